#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "widgets/focus_style.h"
#include "widgets/translations.h"
#include "widgets/twips.h"

// GUI tests drive real widgets; without a display they run on the offscreen platform.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Remembered window sizes and choices go to a folder of the run's own, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    // The windows at the scale they were drawn for, as on a desktop that sets no font.
    QApplication::setFont(kivra::LayoutFont());
    kivra::widgets::ShowFocusPlainly();
    // English whatever the machine's language (its plurals come from a translation too), or the
    // language a run names.
    const QString language = qEnvironmentVariable("KIVRA_TEST_LANGUAGE", QStringLiteral("en"));
    kivra::widgets::InstallTranslators({language});
    if (language != u"en") QLocale::setDefault(QLocale(language));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
