#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "main_window/main_window.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"
#include "support/scripted_open_files.h"
#include "support/temp_log_dir.h"
#include "view_current/view_current_dialog.h"
#include "widgets/directory_list.h"
#include "widgets/drive_list.h"
#include "widgets/file_list.h"

namespace kivra {
namespace {

// A window started in a temporary tree: DL/ (a.zip, b.zip, .hidden) and DOCS/ (memo.txt).
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"DL/a.zip", "DL/b.zip", "DL/.hidden", "DOCS/memo.txt"}) {
            QDir(tree.path()).mkpath(QFileInfo(file).path());
            QFile(tree.filePath(file)).open(QIODevice::WriteOnly);
        }
        if (saved.isEmpty()) saved = QDir::currentPath();
        QDir::setCurrent(dir("DL"));
        window = std::make_unique<MainWindow>(logDir.log());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        files = window->findChild<widgets::FileList*>("fileList");
        dirs = window->findChild<widgets::DirectoryList*>("directoryList");
        drives = window->findChild<widgets::DriveList*>("driveList");
        box = window->findChild<QLineEdit*>("descriptionEdit");
    }
    void TearDown() override { QDir::setCurrent(saved); }

    QString dir(const QString& relative) const {
        return QDir::toNativeSeparators(tree.filePath(relative));
    }
    // As the user does it: a click on the file's row.
    void clickFile(const QString& name) {
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, fileAt(name));
    }
    QModelIndex fileIndex(const QString& name) const {
        return files->model()->index(files->fileNames().indexOf(name), 0);
    }
    QPoint fileAt(const QString& name) const { return files->visualRect(fileIndex(name)).center(); }
    QString highlighted() const {
        const QModelIndexList selected = files->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QString() : selected.first().data().toString();
    }
    void key(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(to, key, modifiers);
    }
    void type(const QString& text) { QTest::keyClicks(box, text); }
    void pickDrive(const QString& root) {
        drives->setVolumes({{dir("DL"), "dl"}, {root, "other"}});
        drives->setCurrentIndex(1);
        emit drives->activated(1);
    }
    QStringList logLines() const { return logDir.log().ReadEntries().lines; }

    QTemporaryDir tree;
    test::TempLogDir logDir;
    QString saved;
    std::unique_ptr<MainWindow> window;
    widgets::FileList* files = nullptr;
    widgets::DirectoryList* dirs = nullptr;
    widgets::DriveList* drives = nullptr;
    QLineEdit* box = nullptr;
};

// What was current, what records the description, the path part written.
TEST_F(MainWindowTest, PathPartDependsOnWhatWasCurrentAndWhatRecordsIt) {
    const auto toDocs = [&] { dirs->setPath(dir("DOCS")); };
    const struct {
        std::function<void()> makeCurrent, moveOn;
        QString pathPart, current = {};
    } rows[] = {
        {[] {}, toDocs, dir("DL") + QDir::separator()},
        {[&] { clickFile("a.zip"); }, [&] { clickFile("b.zip"); }, dir("DL/a.zip")},
        {[&] { clickFile("a.zip"); }, [&] { pickDrive(dir("DOCS")); }, dir("DL/a.zip")},
        {toDocs, [&] { clickFile("memo.txt"); }, dir("DOCS")},
        {toDocs, [&] { dirs->setPath(dir("DL")); }, dir("DOCS") + QDir::separator()},
        {[&] { dirs->setPath(QDir::rootPath()); }, toDocs, QDir::rootPath()},
        // No file current yet: End picks the last file, Page Down where it goes from the first.
        {[] {}, [&] { key(files, Qt::Key_End); }, "", dir("DL/b.zip")},
        {[] {}, [&] { key(files, Qt::Key_PageDown); }, "", dir("DL/b.zip")},
        {[] {},
         [&] {
             clickFile("a.zip"),
                 QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, fileAt("a.zip"));
         },
         "", dir("DL/a.zip")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        ASSERT_TRUE(logDir.log().DeleteLog());
        row.makeCurrent();
        type("   ");
        row.moveOn();
        EXPECT_EQ(logLines(), QStringList({row.pathPart + " -    "}));
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), box);
        if (!row.current.isEmpty()) {
            EXPECT_EQ(window->currentPath(), row.current);
        }
        SetUp();  // a fresh window for the next row
    }
}

// a.zip is current with "x" typed; after each way in, "y" is typed and a directory opened.
TEST_F(MainWindowTest, TheHighlightIsTheCurrentFileWhateverTheWayIn) {
    const auto mouse = [&](Qt::KeyboardModifiers modifiers, QPoint at) {
        QTest::mouseClick(files->viewport(), Qt::LeftButton, modifiers, at);
    };
    const auto drag = [&] {
        QTest::mousePress(files->viewport(), Qt::LeftButton, {}, fileAt("a.zip"));
        QTest::mouseMove(files->viewport(), fileAt("b.zip"));
        QTest::mouseRelease(files->viewport(), Qt::LeftButton, {}, fileAt("b.zip"));
    };
    const struct {
        const char* name;
        bool moved;  // a.zip's "x" is recorded; the highlighted file is current then
        QString highlight;
        std::function<void()> wayIn;
    } rows[] = {
        {"ctrl+click a", 0, "a.zip", [&] { mouse(Qt::ControlModifier, fileAt("a.zip")); }},
        {"click on empty space", 0, "a.zip", [&] { mouse(Qt::NoModifier, QPoint(5, 200)); }},
        {"ctrl+space", 0, "a.zip", [&] { key(files, Qt::Key_Space, Qt::ControlModifier); }},
        {"up on the first file", 0, "a.zip", [&] { key(files, Qt::Key_Up); }},
        {"ctrl+down", 1, "b.zip", [&] { key(files, Qt::Key_Down, Qt::ControlModifier); }},
        {"drag from a to b", 1, "b.zip", drag},
        {"F5", 0, "a.zip", [&] { key(window.get(), Qt::Key_F5); }},
        {"F5 after a vanished", 0, "",
         [&] { QFile::remove(dir("DL/a.zip")), key(window.get(), Qt::Key_F5); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clickFile("a.zip");
        type("x");
        row.wayIn();
        EXPECT_EQ(highlighted(), row.highlight);
        type("y");
        dirs->setPath(dir("DOCS"));
        const QString a = dir("DL/a.zip") + " - x";
        EXPECT_EQ(logLines(),
                  row.moved ? QStringList({a, dir("DL/b.zip") + " - y"}) : QStringList({a + "y"}));
        ASSERT_TRUE(logDir.log().DeleteLog());
        SetUp();
    }
}

// A folder and a file named in Windows-1252 bytes, made while the window is open.
TEST_F(MainWindowTest, NamesThatAreNotUtf8AreListedOpenedAndRecorded) {
    const QByteArray folder = QFile::encodeName(dir("DL")) + "/caf\xE9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    ::close(::open((folder + "/r\xE9sum\xE9.txt").constData(), O_CREAT | O_WRONLY, 0600));
    key(window.get(), Qt::Key_F5);
    dirs->setFocus();
    QTest::keyClicks(dirs, "caf");
    ASSERT_EQ(dirs->currentItem()->text(), u"café"_qs);
    key(dirs, Qt::Key_Return);
    EXPECT_EQ(files->fileNames(), QStringList({u"résumé.txt"_qs}));
    clickFile(u"résumé.txt"_qs);
    EXPECT_EQ(window->findChild<QLabel*>("pathLabel")->toolTip(), dir(u"DL/café/résumé.txt"_qs));
    type("z");
    key(box, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(dirs->path(), dir("DL"));
    EXPECT_EQ(logLines(), QStringList({dir(u"DL/café/résumé.txt"_qs) + " - z"}));
    ::unlink((folder + "/r\xE9sum\xE9.txt").constData());  // QDir cannot reach these names
    ::rmdir(folder.constData());
}

TEST_F(MainWindowTest, AVanishedDirectoryIsLeftForItsNearestParent) {
    for (const bool byF5 : {false, true}) {
        QDir(tree.path()).mkdir("GONE");
        QFile(dir("GONE/memo.txt")).open(QIODevice::WriteOnly);
        dirs->setPath(dir("GONE"));
        type("v");
        QDir(dir("GONE")).removeRecursively();
        byF5 ? key(window.get(), Qt::Key_F5) : clickFile("memo.txt");  // still listed
        EXPECT_EQ(dirs->path(), QDir::toNativeSeparators(tree.path()));
        EXPECT_EQ(logLines(), QStringList({dir("GONE") + QDir::separator() + " - v"}));
        ASSERT_TRUE(logDir.log().DeleteLog());
    }

    QDir::setCurrent(dir("DL"));
    QDir(dir("DL")).removeRecursively();
    MainWindow started(logDir.log());
    EXPECT_EQ(started.findChild<widgets::DirectoryList*>("directoryList")->path(),
              QDir::toNativeSeparators(QDir::homePath()));
}

TEST_F(MainWindowTest, FixedFrameTabOrderListsLabelAndTheEmptyBox) {
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->centralWidget()->size(), QSize(534, 439));
    QStringList order;
    for (QWidget* w = drives; order.size() < 5; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) order.append(w->objectName());
    EXPECT_EQ(order,
              QStringList({"driveList", "directoryList", "fileList", "descriptionEdit", "quitButton"}));
    clickFile("b.zip");
    EXPECT_EQ(window->findChild<QLabel*>("pathLabel")->text(), dir("DL/b.zip"));
    EXPECT_FALSE(dirs->setPath(dir("missing")));
    EXPECT_EQ(dirs->path(), dir("DL"));
    box->setText(QString(40000, u'x'));  // the box has no limit of its own
    EXPECT_EQ(box->text().size(), 40000);

    drives->setVolumes({{"/", "/"}, {dir("DL"), "dl"}});
    const int shown = drives->currentIndex();
    QWheelEvent wheel({5, 5}, drives->mapToGlobal(QPoint(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(drives, &wheel);
    EXPECT_EQ(drives->currentIndex(), shown);
    key(window.get(), Qt::Key_F10);
    EXPECT_TRUE(window->findChild<QMenu*>()->isVisible());
}

// Each control looks otherwise with the focus: the drive list from the start, the file list with
// no file current, the button clicked.
TEST_F(MainWindowTest, TheFocusCanBeSeenOnEveryControl) {
    for (QWidget* control :
         QList<QWidget*>{drives, dirs, files, window->findChild<QPushButton*>("quitButton")}) {
        if (control != drives) control->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(control->hasFocus());
        const QImage focused = control->grab().toImage();
        box->setFocus();
        EXPECT_NE(focused, control->grab().toImage()) << control->objectName().toStdString();
    }
}

// The marks follow the log; the last description is a hint that moving on never records.
TEST_F(MainWindowTest, MarksFollowTheLogAndTheHintIsNeverRecorded) {
    const auto notes = [&](const QString& name) {
        return fileIndex(name).data(Qt::AccessibleDescriptionRole).toString();
    };
    const auto settled = [&] { return QTest::qWaitFor([&] { return window->notesReady(); }); };
    ASSERT_TRUE(settled());
    ASSERT_TRUE(logDir.log().AppendEntry(dir("DL/a.zip") + " - other copy"));
    key(window.get(), Qt::Key_F5);
    ASSERT_TRUE(settled());
    EXPECT_EQ(notes("a.zip"), "Described: other copy");
    clickFile("a.zip");
    EXPECT_EQ(box->placeholderText(), "other copy");
    clickFile("b.zip");
    EXPECT_EQ(logLines().size(), 1);
    type("mine");
    clickFile("a.zip");
    EXPECT_EQ(notes("b.zip"), "Described: mine");  // at once, no read
    EXPECT_TRUE(window->findChild<QLabel*>("pathLabel")->toolTip().contains("other copy"));

    // Rewritten by another copy, then by View Current: the marks follow.
    ASSERT_TRUE(logDir.log().WriteEntries({dir("DL/b.zip") + " - mine"}));  // a's line is deleted
    key(window.get(), Qt::Key_F5);
    ASSERT_TRUE(settled());
    EXPECT_EQ(notes("a.zip"), "");
    clickFile("b.zip");
    EXPECT_EQ(box->placeholderText(), "mine");
    QTimer::singleShot(0, [] {
        auto& form = *qobject_cast<ViewCurrentDialog*>(QApplication::activeModalWidget());
        form.entryList()->setCurrentIndex(form.entryList()->model()->index(0, 0));
        form.deleteButton()->click();  // Delete Entry, then Return
        form.returnButton()->click();
    });
    key(window.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(settled());
    EXPECT_EQ(notes("b.zip"), "");
    EXPECT_EQ(box->placeholderText(), "");
}

// Ctrl+I with files picked; "keep" stays typed in the box. The log starts as "/x - one".
TEST_F(MainWindowTest, ImportAppendsWhatTheLogLacksAndTheMarksShowIt) {
    const QString a = dir("DL/a.zip") + " - ", b = dir("DL/b.zip") + " - ";
    const QByteArray log = logDir.logFile().toLocal8Bit();
    const struct {
        const char* name;
        QList<std::pair<const char*, QByteArray>> files;  // picked, in this order
        QStringList added;
        QString told;  // in the last box
        QString aMark = {};
        QMessageBox::StandardButton answer = QMessageBox::Yes;
        rlim_t sizeLimit = RLIM_INFINITY;
    } rows[] = {
        {"a Windows log",
         {{"other.dat", "C:\\DL\\caf\xE9.zip - r\xE9sum\xE9\r\nC:\\DL\\b.zip - two\r\n"}},
         {u"C:\\DL\\café.zip - résumé"_qs, "C:\\DL\\b.zip - two"},
         "Import 2 entries?"},
        {"an export, lone CR, no last line end",
         {{"INDEX.TXT", "/y - two\r\r" + QFile::encodeName(a) + "three"}},
         {"/y - two", a + "three"},
         "(log): 2 new, the first:\n    /y - two",
         "Described: three"},
        {"descript.ion",
         {{"DL/descript.ion",
           "\xEF\xBB\xBF\"my file.txt\"  quoted\r\nA.ZIP caf\xC3\xA9\\nnext\x04\xC2\n"
           "b.zip  plain\x04\x01\x02\nlonely\n"}},
         {dir("DL/my file.txt") + " - quoted", a + u"café next"_qs, b + "plain"},
         "(DESCRIPT.ION): 3 new",
         u"Described: café next"_qs},
        {"FILES.BBS",
         {{"DL/FILES.BBS",
           "=== Archivers ===\nUtilities\nA.ZIP  Packer\n  version 2\n| more\n"
           "------\n  not continued\nz.txt Notes\n+ cont"}},
         {a + "Packer version 2 more", dir("DL/z.txt") + " - Notes cont"},
         "(FILES.BBS)",
         "Described: Packer version 2 more"},
        {"a README picked by mistake and an unreadable file",
         {{"README", "Hello" + QByteArray(20, '\n') + "see - line 21"}, {"gone", {}}},
         {},
         "README (log): skipped, not a log\n%1 (log): skipped, unreadable: not found"},
        {"repeats inside and against the log",
         {{"r.txt", "/x - one\n/y - two\n\n/y - two\n"}},
         {"/y - two"},
         "1 entries are already in the log.\n1 entries repeat one before them."},
        {"No, the log itself picked too",
         {{"r.txt", "/y - two\n"}, {log.constData(), {}}},
         {},
         "KVtemp.dat (log): skipped, it is the log itself",
         {},
         QMessageBox::No},
        {"a failure midway",
         {{"r.txt", "/y - two\n/z - " + QByteArray(300, 'z')}},
         {},
         "too large\n\nNothing was imported",
         {},
         QMessageBox::Yes,
         200},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        logDir.writeBytes("/x - one\r\n");
        SetUp();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->notesReady(); }));
        type("keep");
        QStringList picked;
        for (const auto& [name, bytes] : row.files) {
            picked.append(QDir(tree.path()).filePath(name));
            QFile file(picked.last());
            if (!bytes.isNull()) {
                ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes));
            }
        }
        test::ScriptedOpenFiles dialogs;
        dialogs.queueChoice(picked);
        test::ScriptedMessages messages(row.answer);
        {
            test::FileSizeLimit limit(row.sizeLimit);
            key(window.get(), Qt::Key_I, Qt::ControlModifier);
        }
        EXPECT_EQ(logLines(), QStringList({"/x - one"}) + row.added);
        ASSERT_FALSE(messages.shown().isEmpty());
        EXPECT_TRUE(messages.shown().last().text.contains(
            QString(row.told).replace("%1", QDir::toNativeSeparators(tree.filePath("gone")))))
            << messages.shown().last().text.toStdString();
        if (messages.shown()[0].text.endsWith("entries?")) {
            EXPECT_EQ(messages.shown()[0].buttons, QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(messages.shown()[0].defaultButton, QMessageBox::No);
        }
        EXPECT_EQ(fileIndex("a.zip").data(Qt::AccessibleDescriptionRole).toString(), row.aMark);
        EXPECT_EQ(box->text(), "keep");
    }
}

TEST_F(MainWindowTest, AnUnreadableDriveChangesNothingAndAFailingAppendIsTold) {
    clickFile("a.zip");
    type("keep me");
    pickDrive(dir("no-medium"));
    EXPECT_FALSE(QFile::exists(logDir.logFile()));
    EXPECT_EQ(dirs->path(), dir("DL"));

    test::ScriptedMessages messages;
    ASSERT_TRUE(QDir(logDir.path()).mkdir("KVtemp.dat"));
    clickFile("b.zip");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(dir("DL/a.zip") + " - keep me"));  // as it was
    EXPECT_TRUE(messages.shown()[0].text.contains(logDir.log().LogPath()));
    EXPECT_EQ(window->currentPath(), dir("DL/b.zip"));

    // A log that may not be used is told as the window first shows, once.
    MainWindow refused(EntryLog(logDir.path(), "not used"));
    for (int shown = 0; shown < 2; ++shown) refused.show(), QTest::qWait(50), refused.hide();
    EXPECT_EQ(messages.shown().size(), 2);
    EXPECT_EQ(messages.shown().last().text, "not used");
}

TEST_F(MainWindowTest, TheDriveListShowsThePlaceThatHoldsTheShownFolder) {
    const QString top = QDir::toNativeSeparators(tree.path());
    drives->setVolumes({{"/", "/"}, {top, "top"}, {dir("DL"), "dl"}});
    dirs->setPath(dir("DOCS"));
    EXPECT_EQ(drives->currentText(), "top");
    type("d");
    emit drives->activated(drives->currentIndex());  // the place shown, the lists not at it
    EXPECT_EQ(dirs->path(), top);
    EXPECT_EQ(logLines(), QStringList({dir("DOCS") + QDir::separator() + " - d"}));
    dirs->setPath(dir("DL"));
    EXPECT_EQ(drives->currentText(), "dl");
}

// Changes on disk are shown in place; nothing is recorded and nothing the user holds moves.
TEST_F(MainWindowTest, TheShownFolderFollowsTheDisk) {
    const auto listed = [&](const QStringList& names) {
        return QTest::qWaitFor([&] { return files->fileNames() == names; }, 3000);
    };
    clickFile("a.zip");
    type("typing");
    QFile(dir("DL/setup.iso")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(listed({"a.zip", "b.zip", "setup.iso"}));
    EXPECT_EQ(highlighted(), "a.zip");
    EXPECT_EQ(box->text(), "typing");
    EXPECT_EQ(QApplication::focusWidget(), box);
    QFile::remove(dir("DL/a.zip"));  // the current file itself
    ASSERT_TRUE(listed({"b.zip", "setup.iso"}));
    EXPECT_EQ(window->currentPath(), dir("DL/a.zip"));
    EXPECT_EQ(highlighted(), "");
    EXPECT_TRUE(window->findChild<QLabel*>("pathLabel")->toolTip().contains("no longer exists"));
    EXPECT_FALSE(QFile::exists(logDir.logFile()));
}

TEST_F(MainWindowTest, CtrlHShowsAndHidesDotFilesAndNeverMoves) {
    QDir(dir("DL")).mkdir(".cache");
    const auto ctrlH = [&] { key(box, Qt::Key_H, Qt::ControlModifier); };
    type("ab");
    ctrlH();
    EXPECT_EQ(box->text(), "ab");
    EXPECT_EQ(files->fileNames(), QStringList({".hidden", "a.zip", "b.zip"}));
    EXPECT_EQ(dirs->findItems(".cache", Qt::MatchExactly).size(), 1);
    box->clear();
    clickFile(".hidden");
    ctrlH();
    EXPECT_EQ(files->fileNames(), QStringList({"a.zip", "b.zip"}));
    EXPECT_TRUE(dirs->findItems(".cache", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(window->currentPath(), dir("DL/.hidden"));
    EXPECT_EQ(highlighted(), "");
    EXPECT_FALSE(window->findChild<QLabel*>("pathLabel")->toolTip().contains("no longer"));
}

// A path given at start, relative to the current directory DL: what becomes current.
TEST_F(MainWindowTest, APathGivenAtStartIsShownAsIfTheUserWentThere) {
    const struct {
        QByteArray path;
        QString current, highlight;
        bool hidden;
    } rows[] = {
        {"../DOCS/", dir("DOCS"), "", false},
        {".", dir("DL"), "", false},  // shown already
        {"b.zip", dir("DL/b.zip"), "b.zip", false},
        {QFile::encodeName(dir("DOCS/memo.txt")), dir("DOCS/memo.txt"), "memo.txt", false},
        {"./.hidden", dir("DL/.hidden"), ".hidden", true},
        {"nothing.txt", "", "", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.constData());
        test::ScriptedMessages messages;
        window->startAt(row.path);
        EXPECT_EQ(window->currentPath(), row.current);
        EXPECT_EQ(highlighted(), row.highlight);
        EXPECT_EQ(window->showHidden(), row.hidden);
        EXPECT_EQ(messages.shown().size(), row.current.isEmpty() ? 1 : 0);
        for (const auto& shown : messages.shown()) EXPECT_TRUE(shown.text.contains("nothing.txt"));
        SetUp();
    }
}

// Past the first thousands of rows, which are placed while the window first shows, a file given at
// start is in view once it shows, and stays there.
TEST_F(MainWindowTest, ADeepFileGivenAtStartIsInView) {
    QDir(tree.path()).mkdir("MANY");
    for (int i = 0; i < 12'000; ++i)
        QFile(tree.filePath(QString("MANY/f%1").arg(i, 5, 10, QChar('0'))))
            .open(QIODevice::WriteOnly);
    MainWindow started(logDir.log());
    started.startAt(QFile::encodeName(dir("MANY/f09000")));
    started.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&started));
    for (int i = 0; i < 50; ++i) QApplication::processEvents();
    const auto* list = started.findChild<widgets::FileList*>("fileList");
    EXPECT_EQ(list->currentIndex().data().toString(), "f09000");
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
}

// A double-click on View Current's only entry shows its item as a move from what was current
// would; a gone one its nearest folder, and it is named.
TEST_F(MainWindowTest, AnEntryGoneToIsShown) {
    for (const QString& entry : {dir("DOCS/memo.txt"), dir("DOCS"), dir("DOCS/gone/x.txt")}) {
        test::ScriptedMessages messages;
        ASSERT_TRUE(logDir.log().WriteEntries({entry + " - note"}));
        type("d");
        QTimer::singleShot(0, [] {
            QListView* list =
                static_cast<ViewCurrentDialog*>(QApplication::activeModalWidget())->entryList();
            emit list->doubleClicked(list->model()->index(0, 0));
        });
        window->findChild<QAction*>("viewCurrentAction")->trigger();
        EXPECT_EQ(window->currentPath(), entry.endsWith("x.txt") ? dir("DOCS") : entry);
        EXPECT_EQ(highlighted(), entry.endsWith("memo.txt") ? "memo.txt" : "");
        EXPECT_EQ(logLines(),
                  QStringList({entry + " - note", dir("DL") + QDir::separator() + " - d"}));
        EXPECT_EQ(messages.shown().size(), entry.endsWith("x.txt") ? 1 : 0);
        for (const auto& shown : messages.shown()) EXPECT_TRUE(shown.text.contains(entry));
        SetUp();
    }
}

TEST_F(MainWindowTest, ShortcutsWinOverTheBox) {
    QApplication::clipboard()->setText("PASTED");
    test::ScriptedMessages messages;  // View Current finds no log
    clickFile("a.zip");
    type("abc");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(box->text(), "abc");
}

// Each way out, with the box empty or the question answered Record, Discard or Cancel.
TEST_F(MainWindowTest, QuittingAsksBeforeATypedDescriptionIsLost) {
    const auto ctrlQ = [&] { QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier); };
    const struct {
        std::function<void()> quit;
        QString typed;
        QMessageBox::StandardButton answer;  // the window stays only at Cancel
    } rows[] = {
        {ctrlQ, "", QMessageBox::Cancel},
        {ctrlQ, "abc", QMessageBox::Yes},
        {[&] { window->findChild<QPushButton*>("quitButton")->click(); }, "abc", QMessageBox::No},
        {[&] { window->close(); }, "abc", QMessageBox::Cancel}};
    for (const auto& row : rows) {
        test::ScriptedMessages messages(row.answer);
        clickFile("a.zip");
        type(row.typed);
        row.quit();
        EXPECT_EQ(window->isVisible(),
                  !row.typed.isEmpty() && row.answer == QMessageBox::Cancel);
        EXPECT_EQ(logLines(), row.answer == QMessageBox::Yes
                                  ? QStringList{dir("DL/a.zip") + " - abc"}
                                  : QStringList());
        ASSERT_EQ(messages.shown().size(), row.typed.isEmpty() ? 0 : 1);
        if (!row.typed.isEmpty()) {
            EXPECT_EQ(messages.shown()[0].text,
                      "Record the description of " + dir("DL/a.zip") + " before quitting?");
        }
        ASSERT_TRUE(logDir.log().DeleteLog());
        SetUp();
    }
}

}  // namespace
}  // namespace kivra
