// One operation per process, so bench/run can read its peak memory from the kernel. Prints the
// operation's own time in seconds, without the process's start-up.
#include <sys/resource.h>
#include <time.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/description_index.h"
#include "core/entry_log.h"
#include "core/export_buffer.h"
#include "core/folder_watch.h"
#include "core/moved_search.h"
#include "main_window/entry_recorder.h"
#include "main_window/main_window.h"
#include "view_current/current_entries_model.h"
#include "view_current/find_moved_dialog.h"
#include "view_current/view_current_dialog.h"
#include "widgets/directory_list.h"
#include "widgets/file_list.h"

namespace {

int usage() {
    std::fprintf(
        stderr,
        "usage: kivra_probe read DIR | getline FILE | view-current DIR | delete DIR | "
        "return DIR | find DIR WORD | file-list DIR [LOGDIR] | file-list-newest DIR | "
        "file-list-newest-known DIR | index DIR | "
        "export DIR OUT | move DIR | append LOGDIR PATH | stall STEP DIR [DIR2|SECONDS|WORD] | "
        "find-moved HOME | stall find-moved HOME | stall gone-count DIR\n");
    return 2;
}

// The GUI thread's longest stall while `step` runs to `done`, seen from inside: a 1 ms timer's
// largest gap. Keys (Down, then Up) are sent into the file list every 20 ms meanwhile; their
// latency is to the end of the paint that follows. Prints the stall and the keys' p99 in seconds,
// the process's CPU share over the step, and the GUI thread's longest stretch of its own CPU time
// between two beats.
int measureStall(const std::function<void()>& step, const std::function<bool()>& done,
                 double atLeastSeconds, QWidget* keyTarget, bool beating = true) {
    QElapsedTimer clock;
    clock.start();
    // The GUI thread's own CPU time between two beats too: on a loaded machine the wall-clock
    // gap counts the time other processes held the cores.
    const auto threadTime = [] {
        timespec now;
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    };
    qint64 last = 0, longest = 0, lastCpu = 0, longestCpu = 0;
    // Without the beat the CPU share is the program's alone: a beat a millisecond costs a few
    // percent of a core.
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed(), cpu = threadTime();
        longest = std::max(longest, now - last);
        longestCpu = std::max(longestCpu, cpu - lastCpu);
        last = now;
        lastCpu = cpu;
    });
    std::vector<qint64> latencies;
    qint64 sent = -1;
    struct Painted : QObject {
        std::function<void()> onPaint;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) onPaint();
            return false;
        }
    } painted;
    painted.onPaint = [&] {
        if (sent >= 0) latencies.push_back(clock.nsecsElapsed() - sent), sent = -1;
    };
    QTimer keys;
    bool down = true;
    if (keyTarget) {
        keyTarget->installEventFilter(&painted);
        QObject::connect(&keys, &QTimer::timeout, [&] {
            if (sent >= 0) return;
            sent = clock.nsecsElapsed();
            QKeyEvent press(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
            down = !down;
            QApplication::sendEvent(keyTarget->parentWidget(), &press);
        });
        keys.start(20);
    }
    rusage before;
    getrusage(RUSAGE_SELF, &before);
    QTimer::singleShot(0, [&] {
        last = clock.nsecsElapsed();
        lastCpu = threadTime();
        if (beating) beat.start(1);
        step();
    });
    while (clock.elapsed() < atLeastSeconds * 1000 || !done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    rusage after;
    getrusage(RUSAGE_SELF, &after);
    const auto cpu = [](const rusage& u) {
        return u.ru_utime.tv_sec + u.ru_stime.tv_sec +
               (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
    };
    std::sort(latencies.begin(), latencies.end());
    const double p99 = latencies.empty() ? 0 : latencies[latencies.size() * 99 / 100] / 1e9;
    std::printf("%.6f %.6f %.4f %.6f\n", longest / 1e9, p99,
                (cpu(after) - cpu(before)) / (clock.nsecsElapsed() / 1e9), longestCpu / 1e9);
    return 0;
}

// Runs the event loop until `done`, asleep between events as the program is: spinning here
// would take a core from the workers waited for. A tick looks again at what no event announces.
void waitUntil(const std::function<bool()>& done) {
    QTimer tick;
    tick.start(5);
    while (!done()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Waits until the window has read its log, found and counted the gone entries, and readied
// memory for what comes next, as a window open a while has.
void settle(const kivra::ViewCurrentDialog& window) {
    while (window.entries().reading() || window.entries().finding() ||
           window.entries().preparing() || window.entries().goneCount() < 0)
        QApplication::processEvents();
}

// View Current's steps on a big log: vc-open (the window opened, read and counted), vc-find
// (WORD typed a key at a time, each key's rows swapped in before the next), vc-f2 (an entry
// mended) and vc-return (a deletion written back).
int viewCurrentStall(const QStringList& args) {
    const QString& step = args[1];
    const kivra::EntryLog log(args[2]);
    std::unique_ptr<kivra::ViewCurrentDialog> window;
    if (step == "vc-open") {
        // From the first paint, as for the main window's start: the window painted, the log
        // read, sorted, swapped in and counted.
        window = kivra::ViewCurrentDialog::fromLog(nullptr, log);
        window->show();
        QApplication::processEvents();
        return measureStall([] {},
                            [&] {
                                return !window->entries().reading() &&
                                       !window->entries().finding() &&
                                       window->entries().goneCount() >= 0;
                            },
                            0.0, nullptr);
    }
    window = kivra::ViewCurrentDialog::fromLog(nullptr, log);
    window->show();
    settle(*window);
    QListView* list = window->entryList();
    const QModelIndex middle = list->model()->index(list->model()->rowCount() / 2, 0);
    list->selectionModel()->setCurrentIndex(middle, QItemSelectionModel::ClearAndSelect);
    for (int i = 0; i < 100; ++i) QApplication::processEvents();
    const auto type = [](QWidget* target, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &release);
    };
    if (step == "vc-find" && args.size() > 3) {
        const QString word = args[3];
        qsizetype typed = 0;
        window->findEdit()->setFocus();
        const auto next = [&] {
            const QChar c = word[typed++];
            type(window->findEdit(), Qt::Key_A + (c.toUpper().unicode() - 'A'), c);
        };
        return measureStall(
            next,
            [&] {
                if (window->entries().finding()) return false;
                if (typed == word.size()) return true;
                next();
                return false;
            },
            0.0, nullptr);
    } else if (step == "vc-f2") {
        bool edited = false;
        return measureStall(
            [&] {
                type(list, Qt::Key_F2);
                auto* box = list->findChild<QLineEdit*>(QStringLiteral("entryEditor"));
                if (!box) return;
                box->setText(QStringLiteral("mended"));
                type(box, Qt::Key_Return);
                edited = true;
            },
            [&] { return edited; }, 0.2, nullptr);
    } else if (step == "vc-return") {
        window->deleteButton()->click();
        return measureStall([&] { window->returnButton()->click(); },
                            [&] { return !window->isVisible(); }, 0.0, nullptr);
    }
    return usage();
}

// Every tenth file under `home`, as gone from a folder of its own.
QList<kivra::GoneItem> tenthGone(const QString& home) {
    QList<kivra::GoneItem> gone;
    QDirIterator it(home, QDir::Files, QDirIterator::Subdirectories);
    for (int i = 0; it.hasNext(); ++i)
        if (it.next(), i % 10 == 0) gone.append({u"/gone/"_qs + it.fileName(), u"note"_qs});
    return gone;
}

// Find Moved as View Current runs it, its progress shown, on the GUI thread's side; and View
// Current opened on a log whose items are all gone, from the window shown to the count shown (the
// two times follow the stall's line).
int stallOffTheWindow(const QString& step, const QString& path) {
    if (step == "find-moved") {
        // Run from View Current, which has drawn text: the fonts are set up.
        QFontMetrics(QApplication::font()).height();
        kivra::MovedSearch search(tenthGone(path));
        bool done = false;
        const int result = measureStall(
            [&] {
                kivra::SearchWithProgress(nullptr, search, {path});
                done = true;
            },
            [&] { return done; }, 0.0, nullptr);
        return search.proposals().isEmpty() ? 1 : result;
    }
    QElapsedTimer clock;
    clock.start();
    const auto window = kivra::ViewCurrentDialog::fromLog(nullptr, kivra::EntryLog(path));
    if (!window) return 1;
    window->show();
    QApplication::processEvents();
    const qint64 opened = clock.nsecsElapsed();
    qint64 counted = 0;
    const int result = measureStall(
        [] {},
        [&] {
            if (!counted && window->goneLabel()->text().endsWith(QLatin1StringView(" gone")))
                counted = clock.nsecsElapsed();
            return counted != 0;
        },
        0.0, nullptr);
    std::printf("%.6f %.6f\n", opened / 1e9, (counted - opened) / 1e9);
    return result;
}

// Steps in the main window as the user has it, in a big folder: start (from the first paint
// on), switch (to DIR2 and back), newest (on, then off), burst-name and burst-newest (while
// bench/run adds files for SECONDS; "no-beat" after them for the CPU share alone), grow (newest
// first, while bench/run grows a file).
int stall(const QStringList& args) {
    if (args.size() < 3) return usage();
    if (args[1].startsWith(QLatin1StringView("vc-"))) return viewCurrentStall(args);
    // The user's own choices stay untouched.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const QString& step = args[1];
    if (step == "find-moved" || step == "gone-count") return stallOffTheWindow(step, args[2]);
    QDir::setCurrent(args[2]);
    QTemporaryDir noLog;
    std::unique_ptr<kivra::MainWindow> window;
    kivra::widgets::FileList* files = nullptr;
    const auto open = [&] {
        window = std::make_unique<kivra::MainWindow>(kivra::EntryLog(noLog.path()));
        window->show();
        files = window->findChild<kivra::widgets::FileList*>(QStringLiteral("fileList"));
    };
    const auto read = [&] { return files && !files->reading(); };
    QAction* newest = nullptr;
    if (step != "start") {
        open();
        newest = window->findChild<QAction*>(QStringLiteral("newestFirstAction"));
        if (newest->isChecked() != (step.endsWith("newest") || step == "grow")) newest->trigger();
        while (!read()) QApplication::processEvents();
        files->setFocus();
    }
    const double seconds = args.size() > 3 ? args[3].toDouble() : 0.0;
    if (step == "start") {
        // From the first paint: the window painted first, the step is the rest.
        open();
        QApplication::processEvents();
        return measureStall([] {}, read, 0.5, nullptr);
    } else if (step == "switch") {
        auto* dirs = window->findChild<kivra::widgets::DirectoryList*>();
        int phase = 0;
        return measureStall([&] { dirs->setPath(args[3]); },
                            [&] {
                                if (!read()) return false;
                                if (phase++ == 0) dirs->setPath(args[2]);
                                return phase > 1 && read();
                            },
                            0.0, nullptr);
    } else if (step == "newest") {
        int phase = 0;
        return measureStall([&] { newest->trigger(); },
                            [&] {
                                if (!read()) return false;
                                if (phase++ == 0) newest->trigger();
                                return phase > 1 && read();
                            },
                            0.0, nullptr);
    } else if (step.startsWith("burst") || step == "grow") {
        return measureStall([] {}, read, seconds, files->viewport(),
                            args.size() < 5 || args[4] != "no-beat");
    }
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    // The window's own append, in a process of its own with the window's libraries: bench/run
    // times it and `kivra32 --note` from outside.
    if (argc == 4 && qstrcmp(argv[1], "append") == 0) {
        QCoreApplication core(argc, argv);
        kivra::EntryLog log(QFile::decodeName(argv[2]));
        kivra::EntryRecorder recorder(log, nullptr);
        return recorder.record({QFile::decodeName(argv[3]), argv[3]}, QStringLiteral("bench")) ? 0
                                                                                               : 1;
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) return usage();
    const QString& what = args[0];
    if (what == "stall") return stall(args);
    // The fonts, as the program has them from its start-up on (that figure counts them): every
    // window and list here opens in a program that has already drawn text.
    QFontMetrics(QApplication::font()).height();
    // "Delete Entry" and "Return" are timed in a window already open, as the user meets them.
    std::unique_ptr<kivra::ViewCurrentDialog> open;
    if (what == "delete" || what == "return" || what == "find") {
        open = kivra::ViewCurrentDialog::fromLog(nullptr, kivra::EntryLog(args[1]));
        if (!open) return 1;
        open->show();
        settle(*open);
        QListView* list = open->entryList();
        list->setCurrentIndex(list->model()->index(list->model()->rowCount() / 2, 0));
        if (what == "return") open->deleteButton()->click();
        // The list laid out in full, as after a while open; the word typed but its last key.
        if (what == "find") {
            for (int i = 0; i < 200; ++i) QApplication::processEvents();
            if (args.size() > 3) {
                open->findEdit()->setText(args[2].chopped(1));
                settle(*open);
            }
        }
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
        while (files->reading()) QApplication::processEvents();
        for (const QString& name : files->fileNames().first(2))
            names.append(QFile::encodeName(name));
        for (int i = 0; i < 100; ++i) QApplication::processEvents();
    }
    // The marks' index as the main window holds it once it has read the log.
    auto notes = std::make_shared<kivra::DescriptionIndex>();
    if (what == "file-list" && args.size() == 3) {
        if (!notes->load(kivra::EntryLog(args[2]).logPath()) || notes->lineCount() == 0) return 1;
    }
    QList<kivra::GoneItem> gone;
    if (what == "find-moved") gone = tenthGone(args[1]);
    // Newest First turned on again, the times read by the first time and kept since.
    std::unique_ptr<kivra::widgets::FileList> known;
    if (what == "file-list-newest-known") {
        known = std::make_unique<kivra::widgets::FileList>();
        known->setPath(args[1]);
        known->show();
        for (const bool newest : {true, false}) {
            known->setNewestFirst(newest);
            while (known->reading()) QApplication::processEvents();
        }
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
        // Until every entry is sorted and shown; then the time to the window's first paint.
        std::unique_ptr<kivra::ViewCurrentDialog> window =
            kivra::ViewCurrentDialog::fromLog(nullptr, kivra::EntryLog(args[1]));
        if (!window) return 1;
        struct FirstPaint : QObject {
            qint64 at = -1;
            QElapsedTimer* timer = nullptr;
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint && at < 0) at = timer->nsecsElapsed();
                return false;
            }
        } painted;
        painted.timer = &timer;
        window->installEventFilter(&painted);
        window->show();
        waitUntil([&] { return painted.at >= 0 && !window->entries().reading(); });
        if (window->entries().rowCount() == 0) return 1;
        std::printf("%.6f %.6f\n", timer.nsecsElapsed() / 1e9, painted.at / 1e9);
        return 0;
    } else if (what == "delete") {
        const int before = open->entryList()->model()->rowCount();
        open->deleteButton()->click();
        QApplication::processEvents();
        if (open->entryList()->model()->rowCount() != before - 1) return 1;
    } else if (what == "return") {
        open->returnButton()->click();
        waitUntil([&] { return !open->isVisible() || open->returnButton()->isEnabled(); });
        if (open->isVisible()) return 1;
    } else if (what == "find" && args.size() >= 3) {
        // From the key that completes the word to the paint that shows the count.
        open->findEdit()->setText(args[2]);
        waitUntil([&] { return !open->entries().finding(); });
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
        waitUntil([&] { return !list.reading(); });
        if (list.model()->rowCount() == 0) return 1;
    } else if (what == "file-list-newest-known") {
        known->setNewestFirst(true);
        waitUntil([&] { return !known->reading(); });
        if (known->model()->rowCount() == 0) return 1;
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
