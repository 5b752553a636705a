#include <gtest/gtest.h>

#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/scripted_messages.h"
#include "support/temp_log_dir.h"
#include "view_current/frm_show_current.h"
#include "view_current/open_view_current.h"

namespace kivra {
namespace {

using platform::kAnswerNo;
using platform::kAnswerYes;
using test::ScriptedMessages;
using test::TempLogDir;
using Act = std::function<void(frmShowCurrent&)>;

const QByteArray kThree = "b - 2\r\nA - 1\r\nc - 3\r\n";

QStringList listed(const frmShowCurrent& form) {
    QStringList rows;
    const QAbstractItemModel* model = form.lstCurrent()->model();
    for (int row = 0; row < model->rowCount(); ++row) rows.append(model->index(row, 0).data().toString());
    return rows;
}

void deleteRow(frmShowCurrent& form, int row) {
    form.lstCurrent()->setCurrentIndex(form.lstCurrent()->model()->index(row, 0));
    form.Command1()->click();
}

void deleteAll(frmShowCurrent& form) {
    while (!listed(form).isEmpty()) deleteRow(form, 0);
}

TEST(ViewCurrent, ListsSortedIgnoringCaseWithCaseTwinsInAStableOrder) {
    TempLogDir dir;
    dir.writeBytes("x - b\r\nX - B\r\n\r\nc:\\b - two\r\nC:\\A - one\r\nlast");
    const auto form = CreateViewCurrent(nullptr, dir.log());
    ASSERT_TRUE(form);
    EXPECT_EQ(listed(*form), QStringList({"", "C:\\A - one", "c:\\b - two", "last", "X - B", "x - b"}));
}

// The keys, then "Delete Entry" unless the keys end with Delete.
Act pressing(std::initializer_list<Qt::Key> keys) {
    return [keys = QList<Qt::Key>(keys)](frmShowCurrent& form) {
        for (const Qt::Key key : keys) QTest::keyClick(form.lstCurrent(), key);
        if (keys.last() != Qt::Key_Delete) form.Command1()->click();
    };
}

// What "Return" (or the close control) leaves in the log after what the user did. The list opens
// with the focus frame on its first entry; the keys select what they land on.
TEST(ViewCurrent, LeavingWritesTheListBackOnlyWhenItShould) {
    const struct {
        const char* name;
        Act act;
        bool byReturn;
        QByteArray expected;  // "-" for no log at all
    } rows[] = {
        {"Return, no change: sorted", [](frmShowCurrent&) {}, true, "A - 1\r\nb - 2\r\nc - 3\r\n"},
        {"Return after a deletion", [](frmShowCurrent& f) { deleteRow(f, 1); }, true, "A - 1\r\nc - 3\r\n"},
        {"Return after deleting all one by one", deleteAll, true, ""},
        {"Return after Clear All", [](frmShowCurrent& f) { f.cmdClearAll()->click(); }, true, "-"},
        {"close control after deleting all", deleteAll, false, kThree},
        {"close control after Clear All", [](frmShowCurrent& f) { f.cmdClearAll()->click(); }, false, "-"},
        {"Home, Delete key twice", pressing({Qt::Key_Home, Qt::Key_Delete, Qt::Key_Delete}), true, "b - 2\r\nc - 3\r\n"},
        {"Up on the first", pressing({Qt::Key_Up}), true, "b - 2\r\nc - 3\r\n"},
        {"Page Down, Up", pressing({Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Delete}), true, "A - 1\r\nc - 3\r\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        ScriptedMessages messages(kAnswerYes);
        dir.writeBytes(kThree);
        const auto form = CreateViewCurrent(nullptr, dir.log());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        row.act(*form);
        row.byReturn ? form->cmdOK()->click() : void(form->close());
        EXPECT_FALSE(form->isVisible());
        if (row.expected == "-") {
            EXPECT_FALSE(QFile::exists(dir.logFile()));
        } else {
            EXPECT_EQ(dir.bytes(), row.expected);
        }
    }
}

TEST(ViewCurrent, ClearAllAsksAndEnterOrEscPressNothing) {
    TempLogDir dir;
    ScriptedMessages messages;
    dir.writeBytes(kThree);
    const auto form = CreateViewCurrent(nullptr, dir.log());
    form->show();
    for (QWidget* target : {static_cast<QWidget*>(form->lstCurrent()), static_cast<QWidget*>(form->cmdOK())}) {
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(target, key);
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(messages.shown().isEmpty());

    messages.queueAnswer(kAnswerNo);
    form->cmdClearAll()->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, "Sure you want to delete all previous info?");
    EXPECT_EQ(messages.shown()[0].style, platform::MsgStyle::YesNo);
    EXPECT_EQ(dir.bytes(), kThree);
    EXPECT_EQ(listed(*form).size(), 3);
}

TEST(ViewCurrent, AFailedRewriteKeepsTheWindowTheListAndTheOldLog) {
    TempLogDir dir;
    ScriptedMessages messages;
    dir.writeBytes(kThree);
    const auto form = CreateViewCurrent(nullptr, dir.log());
    form->show();
    deleteRow(*form, 0);
    {
        const test::FileSizeLimit limit(4);
        form->cmdOK()->click();
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(listed(*form), QStringList({"b - 2", "c - 3"}));
    EXPECT_EQ(dir.bytes(), kThree);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(dir.log().LogPath()));
}

TEST(ViewCurrent, NoWindowWithoutAReadableLog) {
    TempLogDir dir;
    ScriptedMessages messages;
    QWidget owner;
    OpenViewCurrent(&owner, dir.log());
    ASSERT_TRUE(QDir(dir.path()).mkdir("KVtemp.dat"));
    OpenViewCurrent(&owner, dir.log());
    ASSERT_TRUE(QDir(dir.path()).rmdir("KVtemp.dat"));
    // /proc/self/mem opens as an ordinary file but fails on the first read, even for root.
    ASSERT_TRUE(QFile::link("/proc/self/mem", dir.logFile()));
    OpenViewCurrent(&owner, dir.log());
    ASSERT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(messages.shown()[0].text, "Currently no entries exist");
    EXPECT_EQ(messages.shown()[0].style, platform::MsgStyle::Exclamation);
    for (const int shown : {1, 2})
        EXPECT_TRUE(messages.shown()[shown].text.contains(dir.log().LogPath()));
    EXPECT_TRUE(owner.findChildren<frmShowCurrent*>().isEmpty());
}

}  // namespace
}  // namespace kivra
