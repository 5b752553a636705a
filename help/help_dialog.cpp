#include "help/help_dialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/app_info.h"
#include "core/help_text.h"
#include "resources/app_icon.h"

namespace kivra {

namespace {

// Room for lines of about this many characters, and this many of them, where the screen allows.
constexpr int kColumns = 100;
constexpr int kRows = 40;

// The page in the first of the user's languages that has one; English is the source and the
// fallback, and one the user puts before any translation wins over it.
QString helpPagePath() {
    for (const QString& language : QLocale::system().uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (code == QLatin1String("en")) break;
        const QString path = QStringLiteral(":/help/kivra32.%1.md").arg(code);
        if (QFile::exists(path)) return path;
    }
    return QStringLiteral(":/help/kivra32.md");
}

QString helpMarkdown() {
    QFile page(helpPagePath());
    if (!page.open(QIODevice::ReadOnly)) return {};
    return HelpWindowText(QString::fromUtf8(page.readAll()));
}

}  // namespace

HelpDialog::HelpDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpDialog"));
    setWindowTitle(tr("%1 Help").arg(QString::fromLatin1(app::kTitle)));
    setWindowIcon(AppIcon());
    setModal(true);

    helpText_ = new QTextBrowser(this);
    helpText_->setObjectName(QStringLiteral("helpText"));
    helpText_->setAccessibleName(tr("Help"));
    helpText_->setOpenLinks(false);
    helpText_->setMarkdown(helpMarkdown());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(helpText_);
    layout->addWidget(buttons);

    // The text scrolls by keys at once; Enter still reaches the default button.
    helpText_->setFocus();
    const QFontMetrics metrics(helpText_->font());
    QSize wanted(metrics.averageCharWidth() * kColumns, metrics.lineSpacing() * kRows);
    if (const QScreen* shown = owner ? owner->screen() : screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    resize(wanted);
}

}  // namespace kivra
