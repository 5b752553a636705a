#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstdio>

#include "app/command_line.h"
#include "app/script_commands.h"
#include "app/window_main.h"
#include "core/app_info.h"
#include "platform/file_writes.h"
#include "platform/program_folder.h"

namespace {

// --help and --version answer before any display is needed. Other options are
// checked once QApplication has taken its own (-style, -platform, ...) out of
// argv.
void answerHelpOrVersion(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    kivra::app::DescribeCommandLine(parser);
    // "-reverse" is one of Qt's words, not -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    (void)parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
}

// Installed, the library sits in a private folder of its own beside the programs' one; in the
// build tree and on Windows, beside the program.
QString windowsLibrary() {
    const QDir folder(kivra::platform::ProgramFolder());
    const QString installed =
        folder.filePath(QStringLiteral(KIVRA_WINDOWS_LIBRARY_DIR "/" KIVRA_WINDOWS_LIBRARY));
    return QFileInfo::exists(installed) ? installed
                                        : folder.filePath(QStringLiteral(KIVRA_WINDOWS_LIBRARY));
}

}  // namespace

int main(int argc, char** argv) {
    kivra::platform::IgnoreFileSizeSignal();
    QCoreApplication::setApplicationName(QString::fromLatin1(kivra::app::kTitle));
    QCoreApplication::setApplicationVersion(kivra::app::versionText());
    if (const std::optional<int> status = kivra::app::RunScriptCommand(argc, argv)) return *status;
    if (argc > 1) answerHelpOrVersion(argc, argv);
    QLibrary windows(windowsLibrary());
    const auto windowMain =
        reinterpret_cast<kivra::app::WindowMain>(windows.resolve(kivra::app::kWindowMainSymbol));
    if (!windowMain) {
        std::fprintf(stderr, "kivra32: cannot open a window: %s\n",
                     qPrintable(windows.errorString()));
        return 1;
    }
    return windowMain(argc, argv);
}
