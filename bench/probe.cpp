// One operation per process, so bench/run can read its peak memory from the kernel. Prints the
// operation's own time in seconds, without the process's start-up.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/description_index.h"
#include "core/entry_log.h"
#include "core/export_buffer.h"
#include "core/folder_watch.h"
#include "core/moved_search.h"
#include "main_window/main_window.h"
#include "view_current/current_entries_model.h"
#include "view_current/view_current_dialog.h"
#include "widgets/file_list.h"

namespace {

int usage() {
    std::fprintf(
        stderr,
        "usage: kivra_probe read DIR | getline FILE | view-current DIR | delete DIR | "
        "return DIR | find DIR WORD | file-list DIR [LOGDIR] | file-list-newest DIR | index DIR | "
        "export DIR OUT | move DIR | find-moved HOME\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) return usage();
    const QString& what = args[0];
    // The fonts, as the program has them from its start-up on (that figure counts them): every
    // window and list here opens in a program that has already drawn text.
    QFontMetrics(QApplication::font()).height();
    // "Delete Entry" and "Return" are timed in a window already open, as the user meets them.
    std::unique_ptr<kivra::ViewCurrentDialog> open;
    if (what == "delete" || what == "return" || what == "find") {
        open = kivra::ViewCurrentDialog::fromLog(nullptr, kivra::EntryLog(args[1]));
        if (!open) return 1;
        open->show();
        QApplication::processEvents();
        QListView* list = open->entryList();
        list->setCurrentIndex(list->model()->index(list->model()->rowCount() / 2, 0));
        if (what == "return") open->deleteButton()->click();
        // The list laid out in full, as after a while open.
        if (what == "find")
            for (int i = 0; i < 200; ++i) QApplication::processEvents();
    }
    // Moves between the first two files of a folder, in the main window as the user has it.
    constexpr int kMoves = 1000;
    QTemporaryDir noLog;
    std::unique_ptr<kivra::MainWindow> mainWindow;
    kivra::widgets::FileList* files = nullptr;
    QByteArrayList names;
    if (what == "move") {
        QDir::setCurrent(args[1]);
        mainWindow = std::make_unique<kivra::MainWindow>(kivra::EntryLog(noLog.path()));
        mainWindow->show();
        files = mainWindow->findChild<kivra::widgets::FileList*>(QStringLiteral("fileList"));
        for (const QString& name : files->fileNames().first(2))
            names.append(QFile::encodeName(name));
        for (int i = 0; i < 100; ++i) QApplication::processEvents();
    }
    // The marks' index as the main window holds it once it has read the log.
    auto notes = std::make_shared<kivra::DescriptionIndex>();
    if (what == "file-list" && args.size() == 3) {
        if (!notes->load(kivra::EntryLog(args[2]).logPath()) || notes->lineCount() == 0) return 1;
    }
    // Every tenth file of the home gone from a folder of its own.
    QList<kivra::GoneItem> gone;
    if (what == "find-moved") {
        QDirIterator it(args[1], QDir::Files, QDirIterator::Subdirectories);
        for (int i = 0; it.hasNext(); ++i)
            if (it.next(), i % 10 == 0) gone.append({u"/gone/"_qs + it.fileName(), u"note"_qs});
    }
    QElapsedTimer timer;
    timer.start();
    if (what == "find-moved") {
        kivra::MovedSearch search(gone);
        search.run({args[1]});
        if (search.proposals().size() != gone.size()) return 1;
    } else if (what == "read") {
        if (!kivra::EntryLog(args[1]).readEntries()) return 1;
    } else if (what == "getline") {
        std::ifstream in(args[1].toStdString(), std::ios::binary);
        std::string line;
        long count = 0;
        while (std::getline(in, line)) ++count;
        if (count == 0) return 1;
    } else if (what == "view-current") {
        // Filled and shown once, as the user sees it.
        std::unique_ptr<kivra::ViewCurrentDialog> window =
            kivra::ViewCurrentDialog::fromLog(nullptr, kivra::EntryLog(args[1]));
        if (!window) return 1;
        window->show();
        QApplication::processEvents();
    } else if (what == "delete") {
        const int before = open->entryList()->model()->rowCount();
        open->deleteButton()->click();
        QApplication::processEvents();
        if (open->entryList()->model()->rowCount() != before - 1) return 1;
    } else if (what == "return") {
        open->returnButton()->click();
        if (open->isVisible()) return 1;
    } else if (what == "find" && args.size() == 3) {
        // From the key that completes the word to the paint that shows the count.
        open->findEdit()->setText(args[2]);
        while (open->entries().finding()) QApplication::processEvents();
        open->repaint();
        if (open->countLabel()->text().isEmpty()) return 1;
    } else if (what == "file-list" || what == "file-list-newest") {
        kivra::widgets::FileList list;
        if (args.size() == 3) list.setDescriptions(notes);
        list.setNewestFirst(what == "file-list-newest");
        list.setPath(args[1]);
        // The main window watches every folder it shows.
        kivra::FolderWatch watch;
        watch.watch(QFile::encodeName(args[1]));
        list.show();
        QApplication::processEvents();
        if (list.model()->rowCount() == 0) return 1;
    } else if (what == "move") {
        // What a click does: the file made current, its origin read and put in the frame. The
        // repaint that follows is left out of the time when asked: painting a line that shows
        // is not the click's work.
        const bool withPaint = args.size() < 3;
        qint64 painting = 0;
        for (int i = 0; i < kMoves; ++i) {
            if (!files->makeCurrent(names[i % 2])) return 1;
            const qint64 before = timer.nsecsElapsed();
            QApplication::processEvents();
            if (!withPaint) painting += timer.nsecsElapsed() - before;
        }
        std::printf("%.6f\n", (timer.nsecsElapsed() - painting) / 1e9);
        return 0;
    } else if (what == "index") {
        if (!notes->load(kivra::EntryLog(args[1]).logPath()) || notes->lineCount() == 0) return 1;
    } else if (what == "export" && args.size() == 3) {
        // What exportLog does around the dialog: load the log, save by the name's ending.
        kivra::ExportBuffer buffer;
        if (!buffer.load(kivra::EntryLog(args[1]).logPath())) return 1;
        const auto type = args[2].toUpper().endsWith(QLatin1StringView("TXT"))
                              ? kivra::ExportBuffer::Text
                              : kivra::ExportBuffer::Rtf;
        if (!buffer.save(args[2], type)) return 1;
    } else {
        return usage();
    }
    std::printf("%.6f\n", timer.nsecsElapsed() / 1e9);
    return 0;
}
