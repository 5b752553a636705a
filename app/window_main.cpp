#include "app/window_main.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/command_line.h"
#include "app/window_handover.h"
#include "core/app_info.h"
#include "core/entry_log.h"
#include "main_window/folder_lists.h"
#include "main_window/main_window.h"
#include "platform/native_path.h"
#include "resources/app_icon.h"
#include "widgets/fixed_window.h"
#include "widgets/focus_style.h"
#include "widgets/font_set_up.h"
#include "widgets/translations.h"
#include "widgets/twips.h"

namespace {

// Without a display an option nobody knows is still named as such: Qt takes its
// own out of argv on a platform that needs none, and the rest are checked.
[[noreturn]] void refuseWithoutDisplay(int argc, char** argv) {
    if (argc > 1) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        QCommandLineParser parser;
        kivra::app::DescribeCommandLine(parser);
        if (!parser.parse(QCoreApplication::arguments())) {
            std::fprintf(stderr, "kivra32: %s\n", qPrintable(parser.errorText()));
            std::exit(1);
        }
    }
    std::fputs(
        "kivra32: cannot open a window: no display (DISPLAY or "
        "WAYLAND_DISPLAY is not set)\n",
        stderr);
    std::exit(1);
}

// The path as the shell gave it: arguments() would turn a byte that is not
// UTF-8 into U+FFFD. Called once QApplication has taken its own options out of
// argv.
QByteArray pathArgument(int argc, char** argv) {
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (options && argument == "--")
            options = false;
        else if (!options || !argument.startsWith('-') || argument == "-")
            return argument;
    }
    return {};
}

// Qt aborts with a page about plugins when it finds no display; one line says
// it better.
bool displayReachable(int argc, char** argv) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#else
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0) return true;
    // Unset, Qt picks the session's own platform: Wayland or X11, whichever is
    // there.
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

int kivra32_window_main(int argc, char** argv) {
    if (!displayReachable(argc, argv)) refuseWithoutDisplay(argc, argv);

    // Meanwhile Qt connects to the display and the icons are decoded.
    // Qt's Wayland platform takes the launcher's token for itself.
    const QString activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    kivra::widgets::FontSetUp fonts;
    QApplication app(argc, argv);
    QByteArray path;
    bool newWindow = false;
    if (argc > 1) {
        QCommandLineParser parser;
        kivra::app::DescribeCommandLine(parser);
        parser.process(app);  // ends the program on an option it does not know
        if (parser.positionalArguments().size() > 1) {
            std::fputs("kivra32: one file or folder at most\n", stderr);
            return 1;
        }
        path = pathArgument(argc, argv);
        newWindow = parser.isSet(QStringLiteral("new-window"));
    }
    // The window open already takes the path, relative to this copy's folder.
    if (!path.isEmpty()) path = kivra::platform::AbsoluteNativePath(path);
    if (!newWindow && kivra::app::HandToRunningWindow(path, activationToken)) return 0;
    // After the options: what the program tells scripts stays English.
    kivra::widgets::InstallTranslators(QLocale::system().uiLanguages());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kivra::app::kDesktopId));
    kivra::widgets::ShowFocusPlainly();
    // The main window takes its icon from here, decoded once.
    QApplication::setWindowIcon(kivra::AppIcon());
    // A large desktop font on a small screen would make the window larger than
    // the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    fonts.wait();
    kivra::widgets::SetFittedApplicationFont(screen.size(), &kivra::MainWindow::sizeFor);

    // `kivra32 .` starts in the working directory; without a path, where the user last was.
    kivra::MainWindow window{kivra::EntryLog::defaultLog(),
                             path.isEmpty() ? kivra::FolderLists::startFolder() : QByteArray()};
    // Centred on the screen when first shown; a Wayland compositor places it
    // itself.
    window.move(kivra::widgets::CentredOn(screen, window.size()));
    window.show();
    const std::unique_ptr<QObject> handover = kivra::app::ServeWindow(window);
    if (!path.isEmpty()) window.startAt(path);
    return app.exec();
}
