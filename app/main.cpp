#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <cstdio>

#include "core/app_info.h"
#include "core/entry_log.h"
#include "main_window/frm_main.h"
#include "platform/file_writes.h"
#include "resources/app_icon.h"
#include "widgets/fixed_window.h"
#include "widgets/twips.h"

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(QString::fromLatin1(kivra::app::kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version answer without a display; anything else waits for QApplication, which
// takes its own options (-style, -platform, ...) out of the way first.
void answerWithoutWindow(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
}

// Qt aborts with a page about plugins when it finds no display; one line says it better.
bool displayReachable(int argc, char** argv) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#else
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0) return true;
    // Unset, Qt picks the session's own platform: Wayland or X11, whichever is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
               !qEnvironmentVariableIsEmpty("DISPLAY");
    const QString wanted = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const QString& platform : wanted.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (platform.startsWith(QLatin1String("xcb"))) {
            if (!qEnvironmentVariableIsEmpty("DISPLAY")) return true;
        } else if (platform.startsWith(QLatin1String("wayland"))) {
            if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
        } else {
            return true;
        }
    }
    return false;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    kivra::platform::IgnoreFileSizeSignal();
    QCoreApplication::setApplicationName(QString::fromLatin1(kivra::app::kTitle));
    QCoreApplication::setApplicationVersion(kivra::app::versionText());
    if (argc > 1) answerWithoutWindow(argc, argv);
    if (!displayReachable(argc, argv)) {
        std::fputs(
            "kivra32: cannot open a window: no display (DISPLAY or WAYLAND_DISPLAY is not set)\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    if (argc > 1) {
        QCommandLineParser parser;
        describe(parser);
        parser.process(app);  // ends the program on an option it does not know
    }
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kivra::app::kDesktopId));
    // A large desktop font on a small screen would make the window larger than the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QApplication::setFont(kivra::widgets::FitFont(kivra::ApplicationFont(QApplication::font()),
                                                  screen.size(), &kivra::frmMain::SizeFor));
    // The main window takes its icon from here, decoded once.
    QApplication::setWindowIcon(kivra::AppIcon());

    kivra::frmMain window{kivra::EntryLog(kivra::EntryLog::defaultAppDir())};
    // Centred on the screen when first shown; a Wayland compositor places it itself.
    window.move(kivra::widgets::CentredOn(screen, window.size()));
    window.show();
    return app.exec();
}
