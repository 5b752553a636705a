#include "main_window/main_window.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>

#include "main_window/folder_lists.h"
#include "main_window/import_preview.h"
#include "platform/directory_reader.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"
#include "support/scripted_open_files.h"
#include "support/shown_tip.h"
#include "support/temp_log_dir.h"
#include "view_current/view_current_dialog.h"
#include "widgets/directory_list.h"
#include "widgets/drive_list.h"
#include "widgets/file_list.h"
#include "widgets/readable_grey.h"
#include "widgets/settings.h"
#include "widgets/style_icons.h"

namespace kivra {
namespace {

bool ReadIn(const widgets::FileList& list) {
    return QTest::qWaitFor([&] { return !list.reading(); });
}

// A window started in a temporary tree: DL/ (a.zip, b.zip, .hidden) and DOCS/ (memo.txt).
struct MainWindowTest : ::testing::Test {
    void SetUp() override {
        for (const char* file : {"DL/a.zip", "DL/b.zip", "DL/.hidden", "DOCS/memo.txt"}) {
            QDir(tree.path()).mkpath(QFileInfo(file).path());
            QFile(tree.filePath(file)).open(QIODevice::WriteOnly);
        }
        QDir::setCurrent(dir("DL"));
        window = std::make_unique<MainWindow>(logDir.log());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        files = window->findChild<widgets::FileList*>("fileList");
        dirs = window->findChild<widgets::DirectoryList*>("directoryList");
        drives = window->findChild<widgets::DriveList*>("driveList");
        box = window->findChild<QLineEdit*>("descriptionEdit");
        ASSERT_TRUE(ReadIn(*files));
    }
    void TearDown() override { QDir::setCurrent(saved); }

    QString dir(const QString& path) const { return QDir::toNativeSeparators(tree.filePath(path)); }
    // As the user does it: a click on the file's row.
    void clickFile(const QString& name, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(files->viewport(), Qt::LeftButton, modifiers, fileAt(name));
    }
    QModelIndex fileIndex(const QString& name) const {
        ReadIn(*files);
        return files->model()->index(files->fileNames().indexOf(name), 0);
    }
    QPoint fileAt(const QString& name) const { return files->visualRect(fileIndex(name)).center(); }
    QString highlighted() const {
        const QModelIndexList selected = files->selectionModel()->selectedIndexes();
        return selected.isEmpty() ? QString() : selected.first().data().toString();
    }
    void f5() { QTest::keyClick(window.get(), Qt::Key_F5), ReadIn(*files); }
    bool listed(const QStringList& names) const {  // once the folder watch has told
        return QTest::qWaitFor([&] { return files->fileNames() == names; }, 3000);
    }
    bool settled() const {
        return QTest::qWaitFor([&] { return window->notesReady(); });
    }
    void type(const QString& text) { QTest::keyClicks(box, text); }
    void pickDrive(const QString& root) {
        drives->setVolumes({{dir("DL"), "dl"}, {root, "other"}});
        drives->setCurrentIndex(1);
        emit drives->activated(1);
    }
    QStringList logLines() const { return test::LinesOf(logDir.log()); }
    QString tip() const {
        return test::ShownTip(window->findChild<QLabel*>("pathLabel")->toolTip());
    }
    QString mark(const QString& name) const {
        return fileIndex(name).data(Qt::AccessibleDescriptionRole).toString();
    }
    // View Current opened from the menu; `act` runs on it once it shows.
    void viewCurrent(const std::function<void(ViewCurrentDialog&)>& act) {
        QTimer::singleShot(
            0, [=] { act(*static_cast<ViewCurrentDialog*>(QApplication::activeModalWidget())); });
        window->findChild<QAction*>("viewCurrentAction")->trigger();
    }
    // A row's text with the tree ("%1") and the log file ("%2") put in; bytes go through Latin-1,
    // which keeps each byte as it is.
    QString expand(QString text) const {
        return text.replace("%1", tree.path()).replace("%2", logDir.logFile());
    }

    QTemporaryDir tree;
    test::TempLogDir logDir;
    const QString saved = QDir::currentPath();
    std::unique_ptr<MainWindow> window;
    widgets::FileList* files = nullptr;
    widgets::DirectoryList* dirs = nullptr;
    widgets::DriveList* drives = nullptr;
    QLineEdit* box = nullptr;
};

// A table's rows run as tests of their own, each on a fresh window, named by their `name`.
template <typename Row>
struct Rows : MainWindowTest, ::testing::WithParamInterface<Row> {};
const auto kRowName = [](const auto& info) {
    return QString(info.param.name).replace(QRegularExpression("\\W+"), "_").toStdString();
};

using Step = std::function<void(MainWindowTest&)>;
const Step kStay = [](auto&) {};
const Step kF5 = [](auto& t) { t.f5(); };
Step click(const char* file) {
    return [=](auto& t) { t.clickFile(file); };
}
Step openFolder(const char* path) {
    return [=](auto& t) { t.dirs->setPath(t.expand(path)); };
}
Step press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {  // in the file list
    return [=](auto& t) { t.files->setFocus(), QTest::keyClick(t.files, key, modifiers); };
}

// What was current, what records the description, the path part written.
const struct PathPartRow {
    const char* name;
    Step makeCurrent, moveOn;
    QString pathPart, current = {};
    const char* focus = "descriptionEdit";
} kPathPartRows[] = {
    {"the folder, another opened", kStay, openFolder("%1/DOCS"), "%1/DL/"},
    {"a file, another clicked", click("a.zip"), click("b.zip"), "%1/DL/a.zip"},
    {"a file, a drive picked", click("a.zip"), [](auto& t) { t.pickDrive(t.dir("DOCS")); },
     "%1/DL/a.zip"},
    {"a folder, a file in it clicked", openFolder("%1/DOCS"), click("memo.txt"), "%1/DOCS"},
    {"a folder, another opened", openFolder("%1/DOCS"), openFolder("%1/DL"), "%1/DOCS/"},
    {"the root, a folder opened", openFolder("/"), openFolder("%1/DOCS"), "/"},
    // No file current yet: Page Down goes where it would from the first file (End: see Browse).
    {"Page Down", kStay, press(Qt::Key_PageDown), "", "%1/DL/b.zip", "fileList"},
    // Down from the box keeps the focus there, from the list in the list.
    {"keys, then a click on the current file", press(Qt::Key_Down),
     [](auto& t) {
         t.clickFile("a.zip");
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
     },
     "%1/DL/a.zip", "%1/DL/b.zip"},
    {"a double-click", kStay,
     [](auto& t) {
         t.clickFile("a.zip");
         QTest::mouseDClick(t.files->viewport(), Qt::LeftButton, {}, t.fileAt("a.zip"));
     },
     "", "%1/DL/a.zip"},
};
using PathPart = Rows<PathPartRow>;
TEST_P(PathPart, DependsOnWhatWasCurrentAndWhatRecordsIt) {
    const PathPartRow& row = GetParam();
    row.makeCurrent(*this);
    type("   ");
    row.moveOn(*this);
    EXPECT_EQ(logLines(), QStringList({expand(row.pathPart) + " -    "}));
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), row.focus);
    if (!row.current.isEmpty()) {
        EXPECT_EQ(window->currentPath(), expand(row.current));
    }
}
INSTANTIATE_TEST_SUITE_P(MainWindow, PathPart, ::testing::ValuesIn(kPathPartRows), kRowName);

// Keys browse and leave the focus where they were pressed; Enter, and the keys that move from the
// box, go on to describe. DL holds a.zip, b.zip, table.txt and "Tax return 2025.pdf".
const struct BrowseRow {
    const char* name;
    const char* from;  // the box: with a.zip clicked
    QString keys;      // each to the control that has the focus then
    QString logged, current;
} kBrowseRows[] = {
    {"tax typed in the file list, then Enter", "fileList", "T A X Return", "",
     "%1/DL/Tax return 2025.pdf"},
    {"Down twice from the box", "descriptionEdit", "O Down T Down",
     "%1/DL/a.zip - o\n%1/DL/b.zip - t", "%1/DL/table.txt"},
    {"End then Tab", "fileList", "End Tab", "", "%1/DL/Tax return 2025.pdf"},
    // Tab reaches the directory list only if the drive list kept the focus.
    {"a drive by Down, Alt+Up, Tab, Enter on a folder", "driveList", "Down Alt+Up Tab D O Return",
     "", "%1/DOCS"},
};
using Browse = Rows<BrowseRow>;
TEST_P(Browse, KeysKeepTheFocusAndEnterDescribes) {
    const BrowseRow& row = GetParam();
    for (const char* name : {"DL/table.txt", "DL/Tax return 2025.pdf"})
        QFile(dir(name)).open(QIODevice::WriteOnly);
    f5();
    drives->setVolumes({{dir("DL"), "dl"}, {dir("DOCS"), "docs"}});
    QString(row.from) == "descriptionEdit" ? clickFile("a.zip")
                                           : window->findChild<QWidget*>(row.from)->setFocus();
    for (const QString& name : row.keys.split(' ')) {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        ReadIn(*files);  // a folder opened is read before the next key, as between a user's keys
    }
    EXPECT_EQ(logLines().join('\n'), expand(row.logged));
    EXPECT_EQ(window->currentPath(), expand(row.current));
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->text(), "");
}
INSTANTIATE_TEST_SUITE_P(MainWindow, Browse, ::testing::ValuesIn(kBrowseRows), kRowName);

// a.zip is current with "x" typed; after each way in, "y" is typed and a directory opened.
const struct HighlightRow {
    const char* name;
    bool moved;  // a.zip's "x" is recorded; the highlighted file is current then
    QString highlight;
    Step wayIn;
} kHighlightRows[] = {
    {"ctrl+click a", 0, "a.zip", [](auto& t) { t.clickFile("a.zip", Qt::ControlModifier); }},
    {"click on empty space", 0, "a.zip",
     [](auto& t) { QTest::mouseClick(t.files->viewport(), Qt::LeftButton, {}, QPoint(5, 200)); }},
    {"ctrl+space", 0, "a.zip", press(Qt::Key_Space, Qt::ControlModifier)},
    {"up on the first file", 0, "a.zip", press(Qt::Key_Up)},
    {"ctrl+down", 1, "b.zip", press(Qt::Key_Down, Qt::ControlModifier)},
    {"drag from a to b", 1, "b.zip",
     [](auto& t) {
         QTest::mousePress(t.files->viewport(), Qt::LeftButton, {}, t.fileAt("a.zip"));
         QTest::mouseMove(t.files->viewport(), t.fileAt("b.zip"));
         QTest::mouseRelease(t.files->viewport(), Qt::LeftButton, {}, t.fileAt("b.zip"));
     }},
    {"F5", 0, "a.zip", kF5},
    {"F5 after a vanished", 0, "", [](auto& t) { QFile::remove(t.dir("DL/a.zip")), t.f5(); }},
};
using Highlight = Rows<HighlightRow>;
TEST_P(Highlight, IsTheCurrentFileWhateverTheWayIn) {
    const HighlightRow& row = GetParam();
    clickFile("a.zip");
    type("x");
    row.wayIn(*this);
    EXPECT_EQ(highlighted(), row.highlight);
    type("y");
    dirs->setPath(dir("DOCS"));
    const QString a = dir("DL/a.zip") + " - x";
    EXPECT_EQ(logLines(),
              row.moved ? QStringList({a, dir("DL/b.zip") + " - y"}) : QStringList({a + "y"}));
}
INSTANTIATE_TEST_SUITE_P(MainWindow, Highlight, ::testing::ValuesIn(kHighlightRows), kRowName);

// A folder and a file named in Windows-1252 bytes, made while the window is open: recorded in
// their own bytes, marked, there for View Current and gone to from it.
TEST_F(MainWindowTest, NamesThatAreNotUtf8AreListedOpenedAndRecorded) {
    const QByteArray folder = QFile::encodeName(dir("DL")) + "/caf\xE9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    ::close(::open((folder + "/r\xE9sum\xE9.txt").constData(), O_CREAT | O_WRONLY, 0600));
    f5();
    dirs->setFocus();
    QTest::keyClicks(dirs, "caf");
    ASSERT_EQ(dirs->currentItem()->text(), u"café"_qs);
    QTest::keyClick(dirs, Qt::Key_Return);
    ASSERT_TRUE(ReadIn(*files));
    EXPECT_EQ(files->fileNames(), QStringList({u"résumé.txt"_qs}));
    clickFile(u"résumé.txt"_qs);
    EXPECT_EQ(tip(), dir(u"DL/café/résumé.txt"_qs));
    type("z");
    QTest::keyClick(box, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(dirs->path(), dir("DL"));
    EXPECT_EQ(logDir.bytes(), folder + "/r\xE9sum\xE9.txt - z\r\n");
    test::ScriptedMessages messages;
    viewCurrent([](ViewCurrentDialog& form) {
        const QModelIndex entry = form.entryList()->model()->index(0, 0);
        EXPECT_EQ(entry.data(Qt::AccessibleDescriptionRole).toString(), "");
        emit form.entryList()->doubleClicked(entry);
    });
    EXPECT_EQ(window->currentPath(), dir(u"DL/café/résumé.txt"_qs));
    EXPECT_TRUE(messages.shown().isEmpty());
    ASSERT_TRUE(settled());
    EXPECT_EQ(mark(u"résumé.txt"_qs), "Described: z");
    ::unlink((folder + "/r\xE9sum\xE9.txt").constData());  // QDir cannot reach these names
    ::rmdir(folder.constData());
}

// GONE/SUB goes while its memo.txt is current and "v" typed (GONE a tmpfs for "unmounted"): the
// lists and the drive list move to the nearest folder left; memo.txt stays shown, told gone, and
// the box keeps "v" for it until the next move records it.
const Step kWatch = [](auto& t) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.dirs->path() != t.dir("GONE/SUB"); }, 3000));
};
const Step kRemove = [](auto& t) { QDir(t.dir("GONE")).removeRecursively(); };
const struct VanishRow {
    const char* name;
    bool mounted;
    Step vanish, notice;
    QString left = "%1";
} kVanishRows[] = {
    {"deleted, the watch tells", false, kRemove, kWatch},
    {"moved away, F5", false, [](auto& t) { QDir(t.tree.path()).rename("GONE", "MOVED"); }, kF5},
    {"deleted, a click in its list", false, kRemove, click("other.txt")},
    {"unmounted, the watch tells", true,
     [](auto& t) {
         const QByteArray at = QFile::encodeName(t.dir("GONE"));
         ASSERT_TRUE(umount2(at, 0) == 0 || umount2(at, MNT_DETACH) == 0);
     },
     kWatch, "%1/GONE"},
};
using Vanish = Rows<VanishRow>;
TEST_P(Vanish, TheListsMoveToTheNearestFolderLeftAndTheBoxKeepsItsText) {
    const VanishRow& row = GetParam();
    ASSERT_TRUE(QDir(tree.path()).mkdir("GONE"));
    const QByteArray mountPoint = QFile::encodeName(dir("GONE"));
    if (row.mounted && mount("tmpfs", mountPoint, "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here: " << strerror(errno);
    const auto unmount = qScopeGuard([&] { row.mounted&& umount2(mountPoint, MNT_DETACH); });
    ASSERT_TRUE(QDir(dir("GONE")).mkdir("SUB"));
    for (const char* name : {"GONE/SUB/memo.txt", "GONE/SUB/other.txt"})
        QFile(dir(name)).open(QIODevice::WriteOnly);
    const QString top = QDir::toNativeSeparators(tree.path());
    drives->setVolumeSource([&]() -> QList<platform::Volume> {
        if (!QFileInfo::exists(dir("GONE/SUB"))) return {{"/", "/"}, {top, "top"}};
        return {{"/", "/"}, {top, "top"}, {dir("GONE"), "gone"}};
    });
    drives->refresh();
    dirs->setPath(dir("GONE/SUB"));
    EXPECT_EQ(drives->currentText(), "gone");
    clickFile("memo.txt");
    type("v");
    row.vanish(*this);
    row.notice(*this);
    EXPECT_EQ(dirs->path(), expand(row.left));
    EXPECT_EQ(files->path(), expand(row.left));
    EXPECT_EQ(drives->currentText(), "top");
    EXPECT_EQ(box->text(), "v");
    EXPECT_EQ(window->currentPath(), dir("GONE/SUB/memo.txt"));
    EXPECT_TRUE(tip().endsWith("It no longer exists."));
    EXPECT_EQ(logLines(), QStringList());
    dirs->setPath(dir("DOCS"));
    EXPECT_EQ(logLines(), QStringList({dir("GONE/SUB/memo.txt") + " - v"}));
    EXPECT_FALSE(tip().contains("no longer"));
}
INSTANTIATE_TEST_SUITE_P(MainWindow, Vanish, ::testing::ValuesIn(kVanishRows), kRowName);

// Each control looks otherwise with the focus: the drive list from the start, the file list with
// no file current, the button clicked. The window opens at its designed size.
TEST_F(MainWindowTest, FocusShownFixedFrameTabOrderListsLabelAndTheEmptyBox) {
    for (QWidget* control :
         QList<QWidget*>{drives, dirs, files, window->findChild<QPushButton*>("quitButton")}) {
        if (control != drives) control->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(control->hasFocus());
        const QImage focused = control->grab().toImage();
        box->setFocus();
        EXPECT_NE(focused, control->grab().toImage()) << control->objectName().toStdString();
    }
    EXPECT_EQ(window->centralWidget()->size(), QSize(534, 439));
    QStringList order;
    for (QWidget* w = drives; order.size() < 5; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) order.append(w->objectName());
    EXPECT_EQ(order, QStringList({"driveList", "directoryList", "fileList", "descriptionEdit",
                                  "quitButton"}));
    clickFile("b.zip");
    EXPECT_EQ(window->findChild<QLabel*>("pathLabel")->text(), dir("DL/b.zip"));
    EXPECT_FALSE(dirs->setPath(dir("missing")));
    EXPECT_EQ(dirs->path(), dir("DL"));

    drives->setVolumes({{"/", "/"}, {dir("DL"), "dl"}});
    const int shown = drives->currentIndex();
    QWheelEvent wheel({5, 5}, drives->mapToGlobal(QPoint(5, 5)), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(drives, &wheel);
    EXPECT_EQ(drives->currentIndex(), shown);
    QTest::keyClick(window.get(), Qt::Key_F10);
    EXPECT_TRUE(window->findChild<QMenu*>()->isVisible());
    // File, Add to File Managers' Menus writes for the user alone and says what it wrote.
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir("data")));
    test::ScriptedMessages said;
    window->findChild<QAction*>("fileManagerMenusAction")->trigger();
    data.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", data);
    ASSERT_EQ(said.shown().size(), 1);
    EXPECT_TRUE(said.shown()[0].text.startsWith("Written:\n" + dir("data/nautilus/scripts/")) &&
                said.shown()[0].text.contains("/Thunar/uca.xml\n\nNautilus"));

    // The hint reads at 4.5:1 against the box, in a light theme and in a dark one.
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
    for (const QPalette& palette : {light, dark, light}) {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();  // the change reaches the windows
        const QColor base = box->palette().color(QPalette::Base);
        QColor hint = box->palette().color(QPalette::PlaceholderText);  // as drawn on the base
        hint = QColor::fromRgbF(base.redF() + (hint.redF() - base.redF()) * hint.alphaF(),
                                base.greenF() + (hint.greenF() - base.greenF()) * hint.alphaF(),
                                base.blueF() + (hint.blueF() - base.blueF()) * hint.alphaF());
        EXPECT_EQ(base, palette.color(QPalette::Base));
        EXPECT_GE(widgets::ContrastRatio(hint, base), 4.5) << base.name().toStdString();
    }
}

// The marks follow the log, written by another copy too, at the next move; the last description
// is a hint that moving on never records.
TEST_F(MainWindowTest, MarksFollowTheLogAndTheHintIsNeverRecorded) {
    ASSERT_TRUE(settled());
    ASSERT_TRUE(logDir.log().appendEntry(dir("DL/a.zip") + " - other copy"));
    clickFile("a.zip");
    ASSERT_TRUE(settled());
    EXPECT_EQ(mark("a.zip"), "Described: other copy");
    EXPECT_EQ(box->placeholderText(), "other copy");
    clickFile("b.zip");
    EXPECT_EQ(logLines().size(), 1);
    type("mine");
    clickFile("a.zip");
    EXPECT_EQ(mark("b.zip"), "Described: mine");  // at once, no read
    EXPECT_TRUE(tip().contains("other copy"));
    // Another copy appends, then this one: both lines marked.
    ASSERT_TRUE(logDir.log().appendEntry(dir("DL/b.zip") + " - theirs"));
    type("again");
    clickFile("b.zip");
    ASSERT_TRUE(settled());
    EXPECT_EQ(mark("a.zip"), "Described: other copy; again");
    EXPECT_EQ(mark("b.zip"), "Described: mine; theirs");

    // Rewritten by another copy, then by View Current: the marks follow.
    ASSERT_TRUE(logDir.log().writeEntries({dir("DL/b.zip") + " - mine"}));  // a's lines deleted
    clickFile("a.zip");
    ASSERT_TRUE(settled());
    EXPECT_EQ(mark("a.zip"), "");
    EXPECT_EQ(box->placeholderText(), "");
    clickFile("b.zip");
    EXPECT_EQ(box->placeholderText(), "mine");
    QTimer::singleShot(0, [] {
        auto& form = *qobject_cast<ViewCurrentDialog*>(QApplication::activeModalWidget());
        form.entryList()->setCurrentIndex(form.entryList()->model()->index(0, 0));
        form.deleteButton()->click();  // Delete Entry, then Return
        form.returnButton()->click();
    });
    QTest::keyClick(box, Qt::Key_F9);              // View Current's key also in the box
    QApplication::clipboard()->setText("PASTED");  // Ctrl+V there pastes
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "PASTED");
    box->clear();
    ASSERT_TRUE(settled());
    EXPECT_EQ(mark("b.zip"), "");
    EXPECT_EQ(box->placeholderText(), "");
}

// A described file renamed in the shown folder, as a file manager does it: its new name shows the
// old note as the hint; only Ctrl+Shift+H and a move record it. An undescribed one shows nothing.
TEST_F(MainWindowTest, ARenamedFileShowsItsOldNoteUntilTheKeyTakesIt) {
    ASSERT_TRUE(logDir.log().appendEntry(dir("DL/a.zip") + " - setup"));
    ASSERT_TRUE(settled());
    QDir folder(dir("DL"));
    ASSERT_TRUE(folder.rename("a.zip", "setup-1.0.zip") && folder.rename("b.zip", "b2.zip"));
    ASSERT_TRUE(listed({"b2.zip", "setup-1.0.zip"}));
    clickFile("b2.zip");
    ASSERT_TRUE(settled());  // the marks read the log written behind them
    EXPECT_EQ(box->placeholderText(), "");
    clickFile("setup-1.0.zip");
    EXPECT_EQ(box->placeholderText(), "setup");
    EXPECT_TRUE(tip().contains("Described as " + dir("DL/a.zip") + " before it was renamed"));
    clickFile("b2.zip");
    clickFile("setup-1.0.zip");
    EXPECT_EQ(logLines(), QStringList({dir("DL/a.zip") + " - setup"}));
    QTest::keyClick(files, Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(box->text(), "setup");
    EXPECT_EQ(QApplication::focusWidget(), box);
    clickFile("b2.zip");
    EXPECT_EQ(logLines(),
              QStringList({dir("DL/a.zip") + " - setup", dir("DL/setup-1.0.zip") + " - setup"}));
    EXPECT_EQ(mark("setup-1.0.zip"), "Described: setup");
}

bool run(const QString& program, const QStringList& arguments, QByteArray* out = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(30'000) &&
                     process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (out) *out = process.readAllStandardOutput();
    return ran;
}

// A name full of markup shows as typed in the path's tooltip and in the tooltip of a cut name.
TEST_F(MainWindowTest, NamesWithMarkupShowAsTyped) {
    const QString name = QString("<td><table>").repeated(12) + QString(60, 'n') + ".txt";
    ASSERT_TRUE(test::WriteFile(dir("DL/" + name), ""));
    f5();
    window->startAt(QFile::encodeName(dir("DL/" + name)));
    EXPECT_EQ(tip(), dir("DL/" + name));
    QHelpEvent help(QEvent::ToolTip, fileAt(name), files->viewport()->mapToGlobal(fileAt(name)));
    QApplication::sendEvent(files->viewport(), &help);
    EXPECT_EQ(test::ShownTip(QToolTip::text()), name);
}

// Files fetched by wget and curl from a local server, one given a comment and an address with a
// password by setfattr: each shown as it becomes current; with notes on, descriptions go in.
TEST_F(MainWindowTest, DownloadsShowWhereTheyCameFromAndNotesGoIntoThem) {
    for (const char* tool : {"python3", "wget", "curl", "setfattr", "getfattr"})
        if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is missing";
    // curl sets the attributes at the first byte it writes.
    ASSERT_TRUE(test::WriteFile(dir("DOCS/memo.txt"), "memo"));
    QProcess server;
    server.setWorkingDirectory(dir("DOCS"));
    server.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1"});
    ASSERT_TRUE(server.waitForReadyRead(10'000));
    const QString url = "http://127.0.0.1:" +
                        QRegularExpression("port (\\d+)").match(server.readLine()).captured(1) +
                        "/memo.txt";
    ASSERT_TRUE(run("wget", {"-q", "--xattr", url, "-O", dir("DL/w.txt")}));
    ASSERT_TRUE(run("curl", {"-s", "--xattr", "-e", "http://p/", url, "-o", dir("DL/c.txt")}));
    server.kill(), server.waitForFinished();
    // Markup, nested tables that would take minutes to lay out, and a signature.
    const QString shown = "https://h/a.zip?<h1>" + QString("<table><tr><td>").repeated(20);
    ASSERT_TRUE(run("setfattr",
                    {"-n", "user.xdg.origin.url", "-v",
                     "https://ann:pw@" + shown.mid(8) + "&X-Amz-Signature=s", dir("DL/a.zip")}));
    ASSERT_TRUE(run("setfattr", {"-n", "user.xdg.comment", "-v", "from Dolphin", dir("DL/a.zip")}));
    f5();
    test::ScriptedMessages messages;
    const auto* from = window->findChild<QLabel*>("originLabel");
    const QRect boxAsToday = box->geometry();
    for (const auto& [file, address, tip] : {std::tuple{"w.txt", url, url},
                                             {"c.txt", url, url + "\nLinked from: http://p/"},
                                             {"a.zip", shown, shown}}) {
        window->startAt(QFile::encodeName(dir(QString("DL/") + file)));
        EXPECT_TRUE(from->isVisibleTo(window.get()));
        EXPECT_EQ(test::ShownTip(from->toolTip()), tip);
        QTest::keyClick(box, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(box->text(), address);
        box->clear();
    }
    EXPECT_EQ(box->placeholderText(), "from Dolphin");
    EXPECT_TRUE(tip().contains("user.xdg.comment"));
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        menu->findChild<QAction*>("insertOriginAction")->trigger();
        menu->close();
    });
    emit box->customContextMenuRequested({2, 2});
    EXPECT_EQ(box->text(), shown);
    window->findChild<QAction*>("writeNotesAction")->setChecked(true);
    const auto off =
        qScopeGuard([&] { window->findChild<QAction*>("writeNotesAction")->toggle(); });
    clickFile("b.zip");
    EXPECT_FALSE(from->isVisibleTo(window.get()));
    EXPECT_EQ(box->geometry(), boxAsToday);
    EXPECT_EQ(logLines(), QStringList({dir("DL/a.zip") + " - " + shown}));
    QByteArray comment;
    EXPECT_TRUE(
        run("getfattr", {"--only-values", "-n", "user.xdg.comment", dir("DL/a.zip")}, &comment));
    EXPECT_EQ(comment, shown.toUtf8());
    EXPECT_TRUE(MainWindow(logDir.log()).findChild<QAction*>("writeNotesAction")->isChecked());

    // A file gone before the move: its line, no word about its note.
    type("b");
    QFile::remove(dir("DL/b.zip"));
    clickFile("a.zip");
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown().isEmpty());

    // A folder on a file system without user attributes: the lines recorded, the reason told once.
    // vfat where the kernel has it, else ramfs (tmpfs keeps user attributes since Linux 6.6).
    const QString mount = dir("NOATTR"), image = dir("vfat.img");
    QDir().mkpath(mount);
    if (!(run("truncate", {"-s", "2M", image}) && run("mkfs.vfat", {image}) &&
          run("mount", {"-o", "loop", image, mount})) &&
        !run("mount", {"-t", "ramfs", "ramfs", mount}))
        GTEST_SKIP() << "neither a vfat image nor a ramfs can be mounted here (root only)";
    const auto unmount = qScopeGuard([&] { run("umount", {mount}); });
    if (run("setfattr", {"-n", "user.t", "-v", "1", mount}))
        GTEST_SKIP() << "this kernel keeps user attributes on vfat and ramfs";
    for (const char* name : {"/a", "/b"}) QFile(mount + name).open(QIODevice::WriteOnly);
    dirs->setPath(mount);
    for (const char* name : {"a", "b", "a"}) clickFile(name), type(name);
    dirs->setPath(dir("DL"));
    QCoreApplication::processEvents();
    EXPECT_EQ(logLines().mid(1), QStringList({dir("DL/b.zip") + " - b", mount + "/a - a",
                                              mount + "/b - b", mount + "/a - a"}));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(mount + "/a is in the log"));
    EXPECT_TRUE(messages.shown()[0].text.contains("Operation not supported"));
}

// Ctrl+I with files picked; "keep" stays typed in the box. The log starts as "/x - one".
const struct ImportRow {
    const char* name;
    QList<std::pair<QString, QByteArray>> files;  // picked, in this order
    QStringList added = {};
    QString told;  // in the last box
    QString aMark = {};
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    rlim_t sizeLimit = RLIM_INFINITY;
} kImportRows[] = {
    {"a Windows log",
     {{"KVtemp-laptop.dat", "C:\\DL\\caf\xE9.zip - r\xE9sum\xE9\r\nC:\\DL\\b.zip - two\r\n"}},
     {u"C:\\DL\\café.zip - résumé"_qs, "C:\\DL\\b.zip - two"},
     "(log): 2 new"},
    {"an export, lone CR, no last line end",
     {{"INDEX.TXT", "/y - two\r\r%1/DL/a.zip - three"}},
     {"/y - two", "%1/DL/a.zip - three"},
     "INDEX.TXT (log): 2 new",
     "Described: three"},
    {"descript.ion",
     {{"DL/descript.ion",
       "\xEF\xBB\xBF\"my file.txt\"  quoted\r\nA.ZIP caf\xC3\xA9\\nnext\x04\xC2\n"
       "b.zip  plain\x04\x01\x02\nlonely\n"}},
     {"%1/DL/my file.txt - quoted", u"%1/DL/a.zip - café next"_qs, "%1/DL/b.zip - plain"},
     "(DESCRIPT.ION): 3 new",
     u"Described: café next"_qs},
    {"FILES.BBS",
     {{"DL/FILES.BBS",
       "=== Archivers ===\nUtilities\nA.ZIP  Packer\n  version 2\n| more\n   | third\n"
       "------\n  not continued\nz.txt Notes\n+ cont\n \t+last"}},
     {"%1/DL/a.zip - Packer version 2 more third", "%1/DL/z.txt - Notes cont last"},
     "(FILES.BBS)",
     "Described: Packer version 2 more third"},
    {"a README picked by mistake and an unreadable file",
     {{"README", "Hello" + QByteArray(20, '\n') + "see - line 21"}, {"gone", {}}},
     {},
     "README (log): skipped, not a log\n%1/gone (log): skipped, unreadable: not found"},
    {"repeats inside and against the log",
     {{"r.txt", "/x - one\n/y - two\n\n/y - two\n"}},
     {"/y - two"},
     "1 entry is already in the log.\n1 entry repeats one before it."},
    {.name = "No, the log itself picked too",
     .files = {{"r.txt", "/y - two\n"}, {"%2", {}}},
     .told = "KVtemp.dat (log): skipped, it is the log itself",
     .answer = QMessageBox::No},
    {.name = "a failure midway",
     .files = {{"r.txt", "/y - two\n/z - " + QByteArray(300, 'z')}},
     .told = "too large\n\nNothing was imported",
     .sizeLimit = 200},
};
struct Import : Rows<ImportRow> {
    void SetUp() override { logDir.writeBytes("/x - one\r\n"), MainWindowTest::SetUp(); }
};
TEST_P(Import, AppendsWhatTheLogLacksAndTheMarksShowIt) {
    const ImportRow& row = GetParam();
    ASSERT_TRUE(settled());
    type("keep");
    QStringList picked, expected = {"/x - one"};
    for (const auto& [name, bytes] : row.files) {
        picked.append(QDir(tree.path()).filePath(expand(name)));
        const QByteArray data = expand(QString::fromLatin1(bytes)).toLatin1();
        ASSERT_TRUE(bytes.isNull() || test::WriteFile(picked.last(), data));
    }
    test::ScriptedOpenFiles dialogs;
    dialogs.queueChoice(picked);
    test::ScriptedMessages messages;
    QStringList told;
    SetImportPreviewHandler([&](const ImportPreviewRequest& request) -> std::optional<ImportPlan> {
        told.append(ImportSummary(request.plan));
        return row.answer == QMessageBox::Yes ? std::optional(request.plan) : std::nullopt;
    });
    const auto restore = qScopeGuard([] { SetImportPreviewHandler({}); });
    {
        test::FileSizeLimit limit(row.sizeLimit);
        QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    }
    // The first filter offers every notes file picked.
    const QString notes = dialogs.requests().value(0).filters.value(0).section(u'(', 1).chopped(1);
    for (const QString& path : picked)
        EXPECT_TRUE(row.told.contains("not a log") ||
                    QDir::match(notes, QFileInfo(path).fileName()));
    for (const QString& line : row.added) expected.append(expand(line));
    EXPECT_EQ(logLines(), expected);
    for (const widgets::MessageRequest& shown : messages.shown()) told.append(shown.text);
    EXPECT_TRUE(told.join(u'\n').contains(expand(row.told))) << told.join(u'\n').toStdString();
    EXPECT_EQ(mark("a.zip"), row.aMark);
    EXPECT_EQ(box->text(), "keep");
}
INSTANTIATE_TEST_SUITE_P(MainWindow, Import, ::testing::ValuesIn(kImportRows), kRowName);

// The preview by keys: Enter and Esc cancel; the code page, reached by its access key and changed
// by arrow keys, reads the file again.
TEST_F(MainWindowTest, ImportIsPreviewedInTheFilesCodePageWhichKeysChange) {
    ASSERT_TRUE(settled());
    const QString path = dir("DL/descript.ion");
    const QString russian = u"основная часть"_qs;
    const QByteArray bytes = QStringEncoder("CP866").encode("a.zip " + russian);
    ASSERT_TRUE(test::WriteFile(path, bytes));
    const QStringList before = logLines();
    test::ScriptedOpenFiles dialogs;
    const auto preview = [&](const std::function<void(QWidget*)>& press) {
        dialogs.queueChoice({path});
        QTimer::singleShot(0, [&] {
            QWidget* dialog = nullptr;
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()); }));
            QApplication::setActiveWindow(dialog);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
            press(dialog);
        });
        window->findChild<QAction*>("importAction")->trigger();
    };
    const auto key = [](Qt::Key pressed) { QTest::keyClick(QApplication::focusWidget(), pressed); };
    preview([&](QWidget*) { key(Qt::Key_Return); });
    // A UTF-8 file may still be read in another code page; Esc cancels too.
    ASSERT_TRUE(test::WriteFile(path, "a.zip " + russian.toUtf8()));
    preview([&](QWidget* dialog) {
        EXPECT_TRUE(dialog->findChild<QComboBox*>("importCodePage")->isEnabled());
        key(Qt::Key_Escape);
    });
    EXPECT_EQ(logLines(), before);
    ASSERT_TRUE(test::WriteFile(path, bytes));
    preview([&](QWidget* dialog) {
        auto* codePage = dialog->findChild<QComboBox*>("importCodePage");
        const auto shown = [&] {
            return codePage->currentText() + ", " +
                   dialog->findChild<QLabel*>("importCodePageHow")->text() + ": " +
                   dialog->findChild<QPlainTextEdit*>("importEntries")
                       ->toPlainText()
                       .section(" - ", 1);
        };
        EXPECT_EQ(shown(), "Cyrillic (DOS, CP866), guessed: " + russian);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        ASSERT_EQ(QApplication::focusWidget(), codePage);
        key(Qt::Key_Up);
        const QString windows = QStringDecoder("windows-1251")(bytes.mid(6));
        EXPECT_EQ(shown(),
                  "Cyrillic (Windows-1251), chosen: " + QString(windows).replace(u'\u00A0', u' '));
        key(Qt::Key_Down), key(Qt::Key_Tab), key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<QPushButton*>("importButton"));
        key(Qt::Key_Space);
    });
    EXPECT_EQ(logLines(), before + QStringList{dir("DL/a.zip") + " - " + russian});
}

// The drive list shows the place that holds the shown folder; an unreadable drive changes nothing.
TEST_F(MainWindowTest, DrivesFollowTheFolderAndAFailingAppendIsTold) {
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
    clickFile("a.zip");
    type("keep me");
    pickDrive(dir("no-medium"));
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_EQ(dirs->path(), dir("DL"));
    EXPECT_EQ(drives->currentText(), "dl");

    // Refused appends are told in the bar, never in a box; the text waits for its item and goes
    // into the log at Retry once the cause is mended.
    test::ScriptedMessages messages;
    ASSERT_TRUE(logDir.log().deleteLog());  // a folder in the log's place
    ASSERT_TRUE(QDir(logDir.path()).mkdir("KVtemp.dat"));
    const auto* bar = window->findChild<QLabel*>("refusalText");
    clickFile("b.zip");
    clickFile("a.zip");
    EXPECT_EQ(box->text(), "keep me");
    type(" too");
    clickFile("b.zip");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_TRUE(bar->text().contains(dir("DL/a.zip") + " - keep me too"));  // as it was
    EXPECT_TRUE(bar->text().contains(logDir.log().logPath()));
    ASSERT_TRUE(QDir(logDir.path()).rmdir("KVtemp.dat"));
    window->findChild<QPushButton*>("retryButton")->click();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(logLines(), QStringList({dir("DL/a.zip") + " - keep me too"}));

    // A log that may not be used is told in the bar by a call the first showing posts.
    MainWindow refused(EntryLog(logDir.path(), "not used"));
    for (int shown = 0; shown < 2; ++shown)
        refused.show(), QCoreApplication::sendPostedEvents(), refused.hide();
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(refused.findChild<QLabel*>("refusalText")->text(), "not used");
}

// Where the desktop names no icon theme, the pictures are read straight away: the style's own.
TEST(StyleIcons, WithoutADesktopThemeAreTheStylesOwn) {
    const QString theme = QIcon::themeName();
    const auto restore = qScopeGuard([&] { QIcon::setThemeName(theme); });
    QIcon::setThemeName("hicolor");
    const QStyle* style = QApplication::style();
    const auto picture = [](const QIcon& icon) {
        return icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    for (const auto which : {QStyle::SP_DirHomeIcon, QStyle::SP_DirClosedIcon,
                             QStyle::SP_DirOpenIcon, QStyle::SP_DriveHDIcon}) {
        const QImage ours = picture(widgets::StyleIcon(style, which));
        EXPECT_FALSE(ours.isNull()) << which;
        EXPECT_EQ(ours, picture(style->standardIcon(which))) << which;
    }
}

// Ctrl+H and changes on disk are shown in place; nothing is recorded and nothing the user holds
// moves.
TEST_F(MainWindowTest, TheListsFollowCtrlHAndTheDisk) {
    QDir(dir("DL")).mkdir(".cache");
    type("ab");
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(ReadIn(*files));
    EXPECT_EQ(box->text(), "ab");
    EXPECT_EQ(files->fileNames(), QStringList({".hidden", "a.zip", "b.zip"}));
    EXPECT_EQ(dirs->findItems(".cache", Qt::MatchExactly).size(), 1);
    box->clear();
    clickFile(".hidden");
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(ReadIn(*files));
    EXPECT_EQ(files->fileNames(), QStringList({"a.zip", "b.zip"}));
    EXPECT_TRUE(dirs->findItems(".cache", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(window->currentPath(), dir("DL/.hidden"));
    EXPECT_EQ(highlighted(), "");
    EXPECT_FALSE(tip().contains("no longer"));

    clickFile("a.zip");
    type("typing");
    QFile(dir("DL/setup.iso")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(listed({"a.zip", "b.zip", "setup.iso"}));
    for (const bool swapped : {false, true}) {  // a change followed, then a read swapped in
        if (swapped) f5();
        EXPECT_EQ(highlighted(), "a.zip");
        EXPECT_EQ(box->text(), "typing");
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
    QFile::remove(dir("DL/a.zip"));  // the current file itself
    ASSERT_TRUE(listed({"b.zip", "setup.iso"}));
    EXPECT_EQ(window->currentPath(), dir("DL/a.zip"));
    EXPECT_EQ(highlighted(), "");
    EXPECT_TRUE(tip().contains("no longer exists"));
    EXPECT_FALSE(QFile::exists(logDir.logFile()));
}

// Newest on top, ties by name, from the box's key on and in the next run, and again from the times
// kept; nothing moves, not even when a file being written rises.
TEST_F(MainWindowTest, NewestFirstOrdersByTimeAndIsRemembered) {
    for (const auto& [name, month] : {std::pair{"DL/c.txt", 1}, {"DL/b.zip", 6}, {"DL/a.zip", 1}}) {
        QFile file(dir(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime(QDate(2025, month, 1), QTime(12, 0)),
                                     QFileDevice::FileModificationTime));
    }
    const auto shown = [&](const QStringList& names) {  // here and in the next run
        const MainWindow next(logDir.log());
        const auto* nextFiles = next.findChild<widgets::FileList*>();
        ASSERT_TRUE(ReadIn(*files) && ReadIn(*nextFiles));
        EXPECT_EQ(files->fileNames(), names);
        EXPECT_EQ(nextFiles->fileNames(), names);
    };
    f5();
    clickFile("a.zip");
    QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);
    shown({"b.zip", "a.zip", "c.txt"});
    EXPECT_EQ(highlighted(), "a.zip");
    type("typing");  // a file being written rises to the top; the rest stays as it was
    QFile grown(dir("DL/c.txt"));
    ASSERT_TRUE(grown.open(QIODevice::Append) && grown.write("more") == 4);
    grown.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return files->fileNames().first() == "c.txt"; }, 3000));
    EXPECT_EQ(highlighted(), "a.zip");
    EXPECT_EQ(box->text(), "typing");
    EXPECT_EQ(QApplication::focusWidget(), box);
    box->clear();
    window->findChild<QAction*>("newestFirstAction")->trigger();
    shown({"a.zip", "b.zip", "c.txt"});
    QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);  // the times kept, not read
    shown({"c.txt", "b.zip", "a.zip"});
    EXPECT_EQ(highlighted(), "a.zip");
    QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);  // by name again for the next tests
}

// Past the first thousands of rows, which are placed while the window first shows, a file given at
// start is in view once it shows, and stays there. A start in a folder that is gone shows home;
// one without a path the folder shown at the last close, else Downloads, else home.
TEST_F(MainWindowTest, ADeepFileGivenAtStartIsInViewAndAGoneFolderShowsHome) {
    window->close();
    const QByteArray savedHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] { qputenv("HOME", savedHome); });
    qputenv("HOME", QFile::encodeName(tree.path()));
    QDir(tree.path()).mkdir("Downloads");
    for (const char* folder : {"DL", "Downloads", "."}) {
        EXPECT_EQ(QDir(QFile::decodeName(FolderLists::startFolder())), QDir(tree.filePath(folder)));
        if (folder[0] != '.') QDir(tree.filePath(folder)).removeRecursively();  // DL: started in
    }
    EXPECT_EQ(MainWindow(logDir.log()).findChild<widgets::DirectoryList*>()->path(),
              QDir::toNativeSeparators(QDir::homePath()));
    QDir(tree.path()).mkdir("MANY");
    for (int i = 0; i < 12'000; ++i)
        QFile(tree.filePath(QString("MANY/f%1").arg(i, 5, 10, QChar('0'))))
            .open(QIODevice::WriteOnly);
    MainWindow started(logDir.log());
    started.startAt(QFile::encodeName(dir("MANY/f09000")));
    started.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&started));
    const auto* list = started.findChild<widgets::FileList*>("fileList");
    // Settled: the marks read, which starts once the window shows, and every row placed.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return started.notesReady() && !list->visualRect(list->model()->index(11'999, 0)).isEmpty();
    }));
    EXPECT_EQ(list->currentIndex().data().toString(), "f09000");
    EXPECT_TRUE(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
}

// A path given at start (relative to DL), or View Current's only entry double-clicked: what
// becomes current, as a move from what was current would; a gone entry shows its nearest folder,
// and either is named when missing.
const struct ShowRow {
    const char* name;
    QString path, current, highlight;
    bool viaEntry = false, hidden = false;
} kShowRows[] = {
    {"a folder", "../DOCS/", "%1/DOCS", ""},
    {"the folder shown", ".", "%1/DL", ""},  // shown already
    {"a file", "b.zip", "%1/DL/b.zip", "b.zip"},
    {"a whole path", "%1/DOCS/memo.txt", "%1/DOCS/memo.txt", "memo.txt"},
    {"a dot-file", "./.hidden", "%1/DL/.hidden", ".hidden", false, true},
    {"nothing there, in another folder", "%1/DOCS/nothing.txt", "", ""},
    {"an entry, a file", "%1/DOCS/memo.txt", "%1/DOCS/memo.txt", "memo.txt", true},
    {"an entry, a folder", "%1/DOCS", "%1/DOCS", "", true},
    {"an entry gone", "%1/DOCS/gone/x.txt", "%1/DOCS", "", true},
};
using ShowPath = Rows<ShowRow>;
TEST_P(ShowPath, AsIfTheUserWentThere) {
    const ShowRow& row = GetParam();
    const QString path = expand(row.path);
    test::ScriptedMessages messages;
    if (row.viaEntry) {
        ASSERT_TRUE(logDir.log().writeEntries({path + " - note"}));
        type("d");
        viewCurrent([](ViewCurrentDialog& form) {
            emit form.entryList()->doubleClicked(form.entryList()->model()->index(0, 0));
        });
        EXPECT_EQ(logLines(),
                  QStringList({path + " - note", dir("DL") + QDir::separator() + " - d"}));
    } else {
        window->startAt(QFile::encodeName(path));
    }
    ASSERT_TRUE(ReadIn(*files));
    EXPECT_EQ(window->currentPath(), expand(row.current));
    EXPECT_EQ(highlighted(), row.highlight);
    EXPECT_EQ(window->showHidden(), row.hidden);
    EXPECT_EQ(messages.shown().size(), QFileInfo::exists(path) ? 0 : 1);
    for (const auto& shown : messages.shown()) EXPECT_TRUE(shown.text.contains(path));
}
INSTANTIATE_TEST_SUITE_P(MainWindow, ShowPath, ::testing::ValuesIn(kShowRows), kRowName);

// The main window or View Current made larger by a drag or maximised: the list takes the room,
// the button keeps to the bottom right corner; back at the smallest, the designed size, every
// control is where the design has it. The next window opens as this one closed, unless the size
// does not fit the screen.
const struct GrowRow {
    const char* name;
    bool viewCurrent;
    std::function<void(QWidget*)> grow;
    bool reopensGrown = true;
} kGrowRows[] = {
    {"main window, dragged larger", false,
     [](QWidget* w) { w->resize(w->size() + QSize(200, 90)); }},
    {"main window, maximised", false, [](QWidget* w) { w->showMaximized(); }},
    {"main window, larger than the screen", false, [](QWidget* w) { w->resize(3000, 3000); },
     false},
    {"View Current, dragged larger", true,
     [](QWidget* w) { w->resize(w->size() + QSize(90, 200)); }},
    {"View Current, maximised", true, [](QWidget* w) { w->showMaximized(); }},
};
using Growing = Rows<GrowRow>;
TEST_P(Growing, TheListTakesTheRoomAndTheSizeIsKept) {
    const GrowRow& row = GetParam();
    const auto open = [&]() -> std::unique_ptr<QWidget> {
        if (row.viewCurrent) return std::make_unique<ViewCurrentDialog>(window.get(), logDir.log());
        return std::make_unique<MainWindow>(logDir.log());
    };
    const auto part = [&](QWidget* w, const char* list, const char* button) {
        w->show();
        return w->findChild<QWidget*>(row.viewCurrent ? list : button);
    };
    std::unique_ptr<QWidget> grown = open(), again;
    const QWidget* list = part(grown.get(), "entryList", "fileList");
    const QWidget* button = part(grown.get(), "returnButton", "quitButton");
    const auto places = [](const QWidget* client) {
        QList<QRect> rects;
        for (const QWidget* control : client->findChildren<QWidget*>())
            rects.append(control->geometry());
        return rects;
    };
    const QSize smallest = grown->size(), designed = list->parentWidget()->size();
    const QList<QRect> design = places(list->parentWidget());
    const QRect listBefore = list->geometry(), buttonBefore = button->geometry();
    EXPECT_EQ(grown->minimumSize(), smallest);
    row.grow(grown.get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return grown->size() != smallest; }, 30000));
    const QSize gained = list->parentWidget()->size() - designed;
    EXPECT_EQ(list->height(), listBefore.height() + gained.height());
    EXPECT_GT(list->width(), listBefore.width() + gained.width() / 2);
    EXPECT_EQ(button->geometry(), buttonBefore.translated(gained.width(), gained.height()));
    const QSize kept = grown->isMaximized() ? grown->normalGeometry().size() : grown->size();
    const bool maximised = grown->isMaximized();
    grown->close();

    list = part((again = open()).get(), "entryList", "fileList");
    EXPECT_EQ(again->isMaximized(), maximised);
    again->showNormal();
    EXPECT_EQ(again->size(), row.reopensGrown ? kept : smallest);
    again->resize(smallest);
    ASSERT_TRUE(QTest::qWaitFor([&] { return again->size() == smallest; }, 30000));
    EXPECT_EQ(places(list->parentWidget()), design);
    widgets::UserSettings().clear();
}
INSTANTIATE_TEST_SUITE_P(MainWindow, Growing, ::testing::ValuesIn(kGrowRows), kRowName);

const Step kCtrlQ = [](auto& t) { QTest::keyClick(t.box, Qt::Key_Q, Qt::ControlModifier); };
// Each way out, with the box empty or the question answered Record, Discard or Cancel.
const struct QuitRow {
    const char* name;
    Step quit;
    QString typed;
    QMessageBox::StandardButton answer;  // the window stays only at Cancel
} kQuitRows[] = {
    {"Ctrl+Q, the box empty", kCtrlQ, "", QMessageBox::Cancel},
    {"Ctrl+Q, Record", kCtrlQ, "abc", QMessageBox::Save},
    {"Quit, Discard",
     [](MainWindowTest& t) { t.window->findChild<QPushButton*>("quitButton")->click(); }, "abc",
     QMessageBox::Discard},
    {"closed, Cancel", [](auto& t) { t.window->close(); }, "abc", QMessageBox::Cancel}};
using Quitting = Rows<QuitRow>;
TEST_P(Quitting, AsksBeforeATypedDescriptionIsLost) {
    const QuitRow& row = GetParam();
    test::ScriptedMessages messages(row.answer);
    clickFile("a.zip");
    type(row.typed);
    row.quit(*this);
    EXPECT_EQ(window->isVisible(), !row.typed.isEmpty() && row.answer == QMessageBox::Cancel);
    EXPECT_EQ(logLines(), row.answer == QMessageBox::Save ? QStringList{dir("DL/a.zip") + " - abc"}
                                                          : QStringList());
    EXPECT_EQ(messages.shown().size(), row.typed.isEmpty() ? 0 : 1);
    for (const auto& shown : messages.shown())
        EXPECT_EQ(shown.text, "Record the description of " + dir("DL/a.zip") + " before quitting?");
}
INSTANTIATE_TEST_SUITE_P(MainWindow, Quitting, ::testing::ValuesIn(kQuitRows), kRowName);

// Names followed as the folder watch names them list what a fresh read lists, by name and newest
// first, and so does the other order made from the times kept; names the events lost (an
// overflowed queue) mean a read.
const struct FollowRow {
    const char* name;
    std::function<void(QDir&)> change;
    QByteArrayList touched;
} kFollowRows[] = {
    {"added", [](QDir& d) { QFile(d.filePath("file10")).open(QIODevice::WriteOnly); }, {"file10"}},
    {"removed", [](QDir& d) { d.remove("m.txt"); }, {"m.txt"}},
    {"renamed past the end", [](QDir& d) { d.rename("a.zip", "zz.zip"); }, {"a.zip", "zz.zip"}},
    {"renamed to the top", [](QDir& d) { d.rename("m.txt", "0.txt"); }, {"0.txt", "m.txt"}},
    {"replaced, by another time",
     [](QDir& d) { d.remove("Z.doc"), d.rename("m.txt", "Z.doc"); },
     {"Z.doc", "m.txt"}},
    {"a file made a folder", [](QDir& d) { d.remove("file2"), d.mkdir("file2"); }, {"file2"}},
    {"written to",
     [](QDir& d) {
         QFile file(d.filePath("a.zip"));
         file.open(QIODevice::Append), file.write("more");
     },
     {"a.zip"}},
    {"the queue overflowed",
     [](QDir& d) { d.remove("a.zip"), QFile(d.filePath("b")).open(QIODevice::WriteOnly); },
     {}},
};
struct Follow : ::testing::TestWithParam<FollowRow> {};
TEST_P(Follow, GivesWhatAFreshReadGives) {
    for (const bool newest : {false, true}) {
        QTemporaryDir tree;
        QDir folder(tree.path());
        int day = 0;
        for (const char* name : {"file2", "a.zip", "m.txt", "Z.doc"}) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                        file.setFileTime(QDateTime(QDate(2025, 1, 1 + (day++ * 3) % 4), {}),
                                         QFileDevice::FileModificationTime));
        }
        widgets::FileList followed, fresh;
        // Read newest first, so by name too the times are known.
        followed.setNewestFirst(true);
        fresh.setNewestFirst(newest);
        followed.setPath(tree.path());
        ASSERT_TRUE(ReadIn(followed));
        followed.setNewestFirst(newest);
        ASSERT_TRUE(ReadIn(followed));
        GetParam().change(folder);
        QList<widgets::FileList::Seen> seen;
        for (const QByteArray& name : GetParam().touched)
            seen.append({name, platform::ReadEntry(QFile::encodeName(tree.path()), name)});
        followed.follow(seen);
        if (GetParam().touched.isEmpty()) followed.refresh();
        fresh.setPath(tree.path());
        ASSERT_TRUE(ReadIn(followed) && ReadIn(fresh));
        EXPECT_EQ(followed.fileNames(), fresh.fileNames()) << (newest ? "newest first" : "by name");
        followed.setNewestFirst(!newest);
        fresh.setNewestFirst(!newest);
        fresh.refresh();  // read, not put in order from what it holds
        ASSERT_TRUE(ReadIn(followed) && ReadIn(fresh));
        EXPECT_EQ(followed.fileNames(), fresh.fileNames()) << "then the other way";
    }
}
INSTANTIATE_TEST_SUITE_P(FileList, Follow, ::testing::ValuesIn(kFollowRows), kRowName);

}  // namespace
}  // namespace kivra
