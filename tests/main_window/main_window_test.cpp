#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "main_window/frm_main.h"
#include "support/qt_printers.h"
#include "platform/directory_list.h"
#include "platform/drive_list.h"
#include "platform/file_list.h"
#include "support/scripted_messages.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

using test::ScriptedMessages;
using test::TempLogDir;

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// A window started in a temporary tree:  root/ with DL/ (a.zip, b.zip) and DOCS/ (memo.txt).
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = QDir::toNativeSeparators(tree.path());
        ASSERT_TRUE(QDir(root).mkpath("DL"));
        ASSERT_TRUE(QDir(root).mkpath("DOCS"));
        touch(root + "/DL/a.zip");
        touch(root + "/DL/b.zip");
        touch(root + "/DOCS/memo.txt");
        savedCwd = QDir::currentPath();
        QDir::setCurrent(root + "/DL");
        window = std::make_unique<frmMain>(logDir.log());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        files = window->findChild<platform::FileList*>("fileList");
        dirs = window->findChild<platform::DirectoryList*>("dirPaths");
        drives = window->findChild<platform::DriveList*>("drvDriveList");
        box = window->findChild<QLineEdit*>("txtDescription");
        label = window->findChild<QLabel*>("lblAbbrPath");
        ASSERT_TRUE(files && dirs && drives && box && label);
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(savedCwd);
    }

    // As the user does it: a click on the file's row.
    void clickFile(const QString& name) {
        const int row = static_cast<int>(files->fileNames().indexOf(name));
        ASSERT_GE(row, 0) << name.toStdString();
        const QModelIndex index = files->model()->index(row, 0);
        files->scrollTo(index);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(index).center());
    }
    void type(const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    QStringList logLines() const { return logDir.log().ReadEntries().lines; }
    QString dir(const QString& relative) const { return QDir::toNativeSeparators(root + "/" + relative); }

    QTemporaryDir tree;
    TempLogDir logDir;
    QString root;
    QString savedCwd;
    std::unique_ptr<frmMain> window;
    platform::FileList* files = nullptr;
    platform::DirectoryList* dirs = nullptr;
    platform::DriveList* drives = nullptr;
    QLineEdit* box = nullptr;
    QLabel* label = nullptr;
};

TEST_F(MainWindowTest, StartsInTheCurrentDirectoryWithNothingCurrent) {
    EXPECT_EQ(dirs->Path(), dir("DL"));
    EXPECT_EQ(files->Path(), dir("DL"));
    EXPECT_EQ(files->fileNames(), QStringList({"a.zip", "b.zip"}));
    EXPECT_TRUE(files->FileName().isEmpty());
    EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(window->CurrentPath().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), drives);
    EXPECT_FALSE(QFile::exists(logDir.logFile()));
}

// Each row: what was current, what records the description, the path part written.
TEST_F(MainWindowTest, PathPartDependsOnWhatWasCurrentAndWhatRecordsIt) {
    struct Row {
        const char* name;
        std::function<void()> makeCurrent;
        std::function<void()> moveOn;
        QString pathPart;
    };
    const auto toDocs = [&] { dirs->setPath(dir("DOCS")); };
    const auto toDl = [&] { dirs->setPath(dir("DL")); };
    const Row rows[] = {
        {"file, then another file", [&] { clickFile("a.zip"); }, [&] { clickFile("b.zip"); },
         dir("DL/a.zip")},
        {"file, then another directory", [&] { clickFile("a.zip"); }, toDocs, dir("DL/a.zip")},
        {"directory, then a file", toDocs, [&] { clickFile("memo.txt"); }, dir("DOCS")},
        {"directory, then another directory", toDocs, toDl, dir("DOCS") + QDir::separator()},
        {"the root, then another directory", [&] { dirs->setPath(QDir::rootPath()); }, toDl,
         QDir::toNativeSeparators(QDir::rootPath())},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        toDl();
        logDir.log().DeleteLog();
        row.makeCurrent();
        type("setup of the scanner");
        row.moveOn();
        EXPECT_EQ(logLines(), QStringList({row.pathPart + " - setup of the scanner"}));
    }
}

TEST_F(MainWindowTest, DescriptionTypedBeforeAnyMove) {
    type("early");
    clickFile("a.zip");
    EXPECT_EQ(logLines(), QStringList({" - early"}));

    TearDown();
    SetUp();
    ASSERT_TRUE(logDir.log().DeleteLog());
    type("early");
    dirs->setPath(dir("DOCS"));
    EXPECT_EQ(logLines(), QStringList({dir("DL") + QDir::separator() + " - early"}));
}

TEST_F(MainWindowTest, OnlyNonEmptyDescriptionsAreRecordedExactly) {
    clickFile("a.zip");
    clickFile("b.zip");  // nothing typed
    EXPECT_FALSE(QFile::exists(logDir.logFile()));
    EXPECT_EQ(label->text(), dir("DL/b.zip").toLower());

    type("   ");
    clickFile("a.zip");
    type("x - y - z");
    dirs->setPath(dir("DOCS"));
    EXPECT_EQ(logLines(), QStringList({dir("DL/b.zip") + " -    ", dir("DL/a.zip") + " - x - y - z"}));
}

TEST_F(MainWindowTest, EveryMoveEmptiesAndFocusesTheBox) {
    const std::function<void()> moves[] = {
        [&] { clickFile("a.zip"); },
        [&] { dirs->setPath(dir("DOCS")); },
        [&] {
            drives->setVolumes({{QDir::rootPath(), "root"}, {dir("DL"), "dl"}});
            drives->setCurrentIndex(1);
            emit drives->activated(1);
        },
    };
    for (const auto& move : moves) {
        type("something");
        drives->setFocus();
        move();
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
}

TEST_F(MainWindowTest, LabelIsLowerCaseAndShortenedButTheLineIsWhole) {
    const QString deep = dir("DL/" + QString(40, u'D') + "/" + QString(30, u'E'));
    ASSERT_TRUE(QDir().mkpath(deep));
    dirs->setPath(deep);
    EXPECT_TRUE(label->text().contains("..."));
    EXPECT_EQ(label->text(), label->text().toLower());
    EXPECT_TRUE(label->text().endsWith(QString(30, u'e')));
    type("deep");
    dirs->setPath(dir("DL"));
    EXPECT_EQ(logLines(), QStringList({deep + QDir::separator() + " - deep"}));
}

TEST_F(MainWindowTest, PickingADriveRecordsOnceThroughTheNestedDirectoryChange) {
    drives->setVolumes({{dir("DL"), "dl"}, {dir("DOCS"), "docs"}});
    clickFile("a.zip");
    type("picked away");
    drives->setCurrentIndex(1);
    emit drives->activated(1);
    EXPECT_EQ(logLines(), QStringList({dir("DL/a.zip") + " - picked away"}));
    EXPECT_EQ(dirs->Path(), dir("DOCS"));
    EXPECT_EQ(files->Path(), dir("DOCS"));
    EXPECT_EQ(window->CurrentPath(), dir("DOCS"));
}

TEST_F(MainWindowTest, ADriveThatCannotBeReadChangesNothing) {
    drives->setVolumes({{dir("DL"), "dl"}, {dir("no-medium"), "empty drive"}});
    clickFile("a.zip");
    type("keep me");
    drives->setCurrentIndex(1);
    emit drives->activated(1);
    EXPECT_FALSE(QFile::exists(logDir.logFile()));
    EXPECT_EQ(box->text(), "keep me");
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(dirs->Path(), dir("DL"));
    EXPECT_EQ(files->Path(), dir("DL"));
    EXPECT_EQ(window->CurrentPath(), dir("DL/a.zip"));
    EXPECT_EQ(drives->currentText(), "empty drive");
}

TEST_F(MainWindowTest, AFailingAppendIsToldWithTheWholeLine) {
    ScriptedMessages messages;
    ASSERT_TRUE(QDir(logDir.path()).mkdir("KVtemp.dat"));
    clickFile("a.zip");
    type("not lost");
    clickFile("b.zip");
    ASSERT_EQ(messages.shown().size(), 1);
    const platform::MessageRequest& shown = messages.shown().first();
    EXPECT_EQ(shown.style, platform::MsgStyle::Exclamation);
    EXPECT_TRUE(shown.text.contains(dir("DL/a.zip") + " - not lost")) << shown.text.toStdString();
    EXPECT_TRUE(shown.text.contains(logDir.log().LogPath())) << shown.text.toStdString();
    // Navigation goes on.
    EXPECT_EQ(window->CurrentPath(), dir("DL/b.zip"));
    EXPECT_TRUE(box->text().isEmpty());
}

TEST_F(MainWindowTest, QuittingWritesNothing) {
    const QByteArray before = "C:\\A - old\r\nunterminated";
    const std::function<void()> quits[] = {
        [&] { window->findChild<QPushButton*>("cmdQuit")->click(); },
        [&] { window->findChild<QAction*>("FileQuit")->trigger(); },
        [&] { QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier); },
        [&] { window->close(); },
    };
    for (const auto& quit : quits) {
        logDir.writeBytes(before);
        clickFile("a.zip");
        type("lost on quit");
        quit();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(logDir.bytes(), before);
        TearDown();
        SetUp();
    }
}

TEST_F(MainWindowTest, WindowShortcutsWinOverTheDescriptionBox) {
    QApplication::clipboard()->setText("PASTED");
    auto* view = window->findChild<QAction*>("FileView");
    auto* save = window->findChild<QAction*>("FileSave");
    ASSERT_TRUE(view && save);
    // The commands themselves are not under test here.
    view->disconnect(window.get());
    save->disconnect(window.get());
    QSignalSpy viewed(view, &QAction::triggered);
    QSignalSpy saved(save, &QAction::triggered);
    type("abc");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(viewed.count(), 1);
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(box->text(), "abc");
    QTest::keyClick(files, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(viewed.count(), 2);
}

TEST_F(MainWindowTest, WindowFrameMenuAndTabOrder) {
    EXPECT_EQ(window->windowTitle(), "Kivra/32");
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->centralWidget()->size(), QSize(534, 439));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window->windowIcon().isNull());

    struct Item {
        const char* name;
        const char* text;
        QKeySequence key;
        bool enabled;
    };
    const Item items[] = {
        {"FileImport", "Import", QKeySequence("Ctrl+I"), false},
        {"FileSave", "Export (Save Info)", QKeySequence("Ctrl+S"), true},
        {"FileView", "View Current", QKeySequence("Ctrl+V"), true},
        {"FileQuit", "Quit", QKeySequence("Ctrl+Q"), true},
        {"HelpHelp", "Help", QKeySequence("F1"), false},
        {"HelpAbout", "About", QKeySequence(), true},
    };
    for (const Item& item : items) {
        const QAction* action = window->findChild<QAction*>(item.name);
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), item.text);
        EXPECT_EQ(action->shortcut(), item.key) << item.name;
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
    }
    QStringList menus;
    for (const QAction* menu : window->menuBar()->actions()) menus.append(menu->text());
    EXPECT_EQ(menus, QStringList({"File", "Help"}));

    QStringList order;
    QWidget* w = drives;
    for (int i = 0; i < 5; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(window.get())) w = w->nextInFocusChain();
        order.append(w->objectName());
    }
    EXPECT_EQ(order, QStringList({"drvDriveList", "dirPaths", "fileList", "txtDescription", "cmdQuit"}));
}

}  // namespace
}  // namespace kivra
