#include "app/command_line.h"

#include <QCommandLineParser>

#include "core/app_info.h"

namespace kivra::app {

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QString::fromLatin1(kivra::app::kDescription) +
        QStringLiteral("\n\nFor scripts, without a window (exit status 1 when nothing matched, 2 "
                       "on a failure):\n"
                       "  kivra32 --note PATH TEXT        append the entry \"PATH - TEXT\"\n"
                       "  kivra32 --notes [--under] PATH  print the entries for PATH (and below)\n"
                       "  kivra32 --find WORDS            print the entries holding every word\n"
                       "Example: wget --xattr -q URL && kivra32 --note setup.tar.gz \"the "
                       "scanner's driver\"; kivra32 --find scanner\n\n"
                       "\"Describe with Kivra/32\" in file managers' context menus: the package "
                       "installs it for\nDolphin, Konqueror, Nemo, Caja and PCManFM-Qt; for "
                       "Nautilus and Thunar, pick File,\nAdd to File Managers' Menus in the "
                       "window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("note"), QStringLiteral("Append a description of the path to the log.")},
        {QStringLiteral("notes"), QStringLiteral("Print the log's entries for the path.")},
        {QStringLiteral("under"), QStringLiteral("With --notes: the entries below a folder too.")},
        {QStringLiteral("find"),
         QStringLiteral("Print the entries that hold every word, letter case and accents "
                        "ignored.")},
        {QStringLiteral("0"), QStringLiteral("End each printed entry with NUL, not a line feed.")},
        {QStringLiteral("new-window"),
         QStringLiteral("Open a window of its own, even where one is open already.")},
    });
    parser.addPositionalArgument(
        QStringLiteral("path"),
        QStringLiteral("A folder to show, or a file to show current in its "
                       "folder, ready to be "
                       "described."),
        QStringLiteral("[path]"));
}

}  // namespace kivra::app
