#include "widgets/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kivra::widgets {

namespace {

QTranslator* own = nullptr;
QTranslator* qt = nullptr;

void remove(QTranslator*& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

}  // namespace

QString InstallTranslators(const QStringList& languages) {
    remove(own);
    remove(qt);
    for (const QString& language : languages) {
        auto* found = new QTranslator(QCoreApplication::instance());
        // "de-AT" finds kivra32_de.qm, as QTranslator falls back from the region to the language.
        if (!found->load(QLocale(language), QStringLiteral("kivra32"), QStringLiteral("_"),
                         QStringLiteral(":/i18n"))) {
            delete found;
            continue;
        }
        own = found;
        QCoreApplication::installTranslator(own);
        qt = new QTranslator(QCoreApplication::instance());
        // Missing when qt6-translations-l10n is not installed: Qt's own texts stay English.
        if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        return language;
    }
    return {};
}

}  // namespace kivra::widgets
