#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/scripted_messages.h"
#include "support/file_size_limit.h"
#include "support/temp_log_dir.h"
#include "view_current/frm_show_current.h"
#include "view_current/open_view_current.h"

namespace kivra {
namespace {

using platform::kAnswerNo;
using platform::kAnswerYes;
using platform::MsgStyle::Exclamation;
using platform::MsgStyle::YesNo;
using test::ScriptedMessages;
using test::TempLogDir;

const QString kNoEntries = "Currently no entries exist";
const QString kClearQuestion = "Sure you want to delete all previous info?";
const QByteArray kThree = "b - 2\r\nA - 1\r\nc - 3\r\n";

using test::FileSizeLimit;

std::unique_ptr<frmShowCurrent> openWith(const TempLogDir& dir, const QByteArray& bytes) {
    dir.writeBytes(bytes);
    return CreateViewCurrent(nullptr, dir.log());
}

QStringList listed(const frmShowCurrent& form) {
    QStringList rows;
    const QAbstractItemModel* model = form.lstCurrent()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(model->index(row, 0).data().toString());
    return rows;
}

void selectItem(frmShowCurrent& form, const QString& text) {
    const QAbstractItemModel* model = form.lstCurrent()->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, text, 1,
                                               Qt::MatchFixedString | Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    form.lstCurrent()->setCurrentIndex(found.first());
}

void deleteAllOneByOne(frmShowCurrent& form) {
    while (!listed(form).isEmpty()) {
        form.lstCurrent()->setCurrentIndex(form.lstCurrent()->model()->index(0, 0));
        form.Command1()->click();
    }
}

TEST(ViewCurrentListing, SortsIgnoringCaseWithAStableRuleForCaseTwins) {
    struct Row {
        const char* name;
        QByteArray log;
        QStringList expected;
    };
    const Row rows[] = {
        {"empty line first",
         "c:\\b - two\r\n\r\nc:\\A - one\r\n",
         {"", "c:\\A - one", "c:\\b - two"}},
        {"case ignored", kThree, {"A - 1", "b - 2", "c - 3"}},
        {"case twins: capital first",
         "x - b\r\nX - B\r\nx - B\r\nX - b\r\n",
         {"X - B", "X - b", "x - B", "x - b"}},
        {"prefix before longer line",
         "abc - 1x\r\nABC - 1\r\nab\r\n",
         {"ab", "ABC - 1", "abc - 1x"}},
        {"duplicates kept", "a\r\nb\r\na\r\n", {"a", "a", "b"}},
        {"last line without terminator", "z - 1\r\ny - 2", {"y - 2", "z - 1"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        ScriptedMessages messages;
        const auto form = openWith(dir, row.log);
        ASSERT_TRUE(form);
        EXPECT_EQ(listed(*form), row.expected);
        EXPECT_TRUE(messages.shown().isEmpty());
    }
}

TEST(ViewCurrentReturn, WritesTheListBackOrLeavesTheLogAsTheUserLeftIt) {
    struct Row {
        const char* name;
        QByteArray log;
        std::function<void(frmShowCurrent&)> act;
        bool logExists;
        QByteArray expected;
    };
    const Row rows[] = {
        {"no change: rewritten in sorted order", kThree, [](frmShowCurrent&) {}, true,
         "A - 1\r\nb - 2\r\nc - 3\r\n"},
        {"one entry deleted; a second press finds nothing selected", kThree,
         [](frmShowCurrent& form) {
             selectItem(form, "b - 2");
             form.Command1()->click();
             EXPECT_FALSE(form.lstCurrent()->selectionModel()->hasSelection());
             form.Command1()->click();
             EXPECT_EQ(listed(form), QStringList({"A - 1", "c - 3"}));
         },
         true, "A - 1\r\nc - 3\r\n"},
        {"every entry deleted one by one: a zero-byte log", kThree, deleteAllOneByOne, true, ""},
        {"zero-byte log stays zero bytes", "", [](frmShowCurrent&) {}, true, ""},
        {"entry deleted, then all cleared: stays deleted", kThree,
         [](frmShowCurrent& form) {
             selectItem(form, "A - 1");
             form.Command1()->click();
             form.cmdClearAll()->click();
         },
         false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        ScriptedMessages messages(kAnswerYes);
        const auto form = openWith(dir, row.log);
        ASSERT_TRUE(form);
        form->show();
        row.act(*form);
        form->cmdOK()->click();
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Accepted);
        EXPECT_EQ(QFile::exists(dir.logFile()), row.logExists);
        EXPECT_EQ(dir.bytes(), row.expected);
        for (const platform::MessageRequest& shown : messages.shown())
            EXPECT_EQ(shown.text, kClearQuestion);
    }
}

TEST(ViewCurrentClearAll, AsksAndDeletesTheLogAtOnceOnlyOnYes) {
    TempLogDir dir;
    ScriptedMessages messages;
    const auto form = openWith(dir, kThree);

    messages.queueAnswer(kAnswerNo);
    form->cmdClearAll()->click();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).text, kClearQuestion);
    EXPECT_EQ(messages.shown().at(0).style, YesNo);
    EXPECT_EQ(messages.shown().at(0).parent, form.get());
    EXPECT_EQ(listed(*form).size(), 3);
    EXPECT_EQ(dir.bytes(), kThree);

    messages.queueAnswer(kAnswerYes);
    form->cmdClearAll()->click();
    EXPECT_TRUE(listed(*form).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.logFile()));

    // The log is already gone: no error, only the question.
    messages.queueAnswer(kAnswerYes);
    form->cmdClearAll()->click();
    EXPECT_EQ(messages.shown().size(), 3);
    EXPECT_EQ(messages.shown().at(2).text, kClearQuestion);

    form->cmdOK()->click();
    EXPECT_FALSE(QFile::exists(dir.logFile()));
    EXPECT_FALSE(CreateViewCurrent(nullptr, dir.log()));
    EXPECT_EQ(messages.shown().last().text, kNoEntries);
}

TEST(ViewCurrentCloseControl, ClosesWithoutWriting) {
    struct Row {
        const char* name;
        std::function<void(frmShowCurrent&)> act;
        bool logExists;
        QByteArray expected;
    };
    const Row rows[] = {
        {"after a deletion the log is unchanged",
         [](frmShowCurrent& form) {
             selectItem(form, "c - 3");
             form.Command1()->click();
         },
         true, kThree},
        {"after all were deleted one by one", deleteAllOneByOne, true, kThree},
        {"after Clear All the log stays deleted",
         [](frmShowCurrent& form) { form.cmdClearAll()->click(); }, false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        ScriptedMessages messages(kAnswerYes);
        const auto form = openWith(dir, kThree);
        form->show();
        row.act(*form);
        EXPECT_TRUE(form->close());
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(QFile::exists(dir.logFile()), row.logExists);
        EXPECT_EQ(dir.bytes(), row.expected);
    }
}

TEST(ViewCurrentKeys, EnterAndEscapePressNoButtonAndDoNotClose) {
    TempLogDir dir;
    ScriptedMessages messages(kAnswerYes);
    const auto form = openWith(dir, kThree);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    selectItem(*form, "b - 2");

    QSignalSpy finished(form.get(), &QDialog::finished);
    QWidget* const targets[] = {form->lstCurrent(), form->cmdOK(), form->Command1(),
                                form->cmdClearAll(), form.get()};
    for (QWidget* target : targets) {
        SCOPED_TRACE(target->objectName().toStdString());
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(target, key);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(listed(*form).size(), 3);
    EXPECT_EQ(dir.bytes(), kThree);
    for (const QPushButton* button : form->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
}

TEST(ViewCurrentLayout, ButtonsInOneRowUnderTheListWithWholeCaptionsAndTabOrder) {
    TempLogDir dir;
    const auto form = openWith(dir, kThree);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->windowTitle(), "Kivra/32 - View Current");
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(form->minimumSize(), form->maximumSize());

    const QRect list = form->lstCurrent()->geometry();
    const QPushButton* row[] = {form->cmdClearAll(), form->Command1(), form->cmdOK()};
    const char* captions[] = {"Clear All", "Delete Entry", "Return"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(captions[i]);
        EXPECT_EQ(row[i]->text(), captions[i]);
        EXPECT_GT(row[i]->y(), list.bottom());
        EXPECT_EQ(row[i]->y(), row[0]->y());
        EXPECT_TRUE(form->rect().contains(row[i]->geometry()));
        EXPECT_LE(row[i]->sizeHint().width(), row[i]->width());
        if (i > 0) {
            EXPECT_GT(row[i]->x(), row[i - 1]->geometry().right());
        }
    }
    EXPECT_EQ(form->cmdOK()->geometry().right(), list.right());
    EXPECT_TRUE(form->rect().contains(list));

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->lstCurrent());
    for (QWidget* next :
         {static_cast<QWidget*>(form->cmdOK()), static_cast<QWidget*>(form->Command1()),
          static_cast<QWidget*>(form->cmdClearAll())}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

TEST(ViewCurrentFailures, FailedRewriteKeepsTheWindowTheListAndTheOldLog) {
    TempLogDir dir;
    ScriptedMessages messages;
    const auto form = openWith(dir, kThree);
    form->show();
    selectItem(*form, "A - 1");
    form->Command1()->click();
    {
        const FileSizeLimit limit(4);
        form->cmdOK()->click();
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(listed(*form), QStringList({"b - 2", "c - 3"}));
    EXPECT_EQ(dir.bytes(), kThree);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).style, Exclamation);
    EXPECT_TRUE(messages.shown().at(0).text.contains(dir.log().LogPath()));

    form->cmdOK()->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dir.bytes(), "b - 2\r\nc - 3\r\n");
}

TEST(FileViewClick, NoWindowWhenTheLogIsMissingOrUnreadable) {
    struct Row {
        const char* name;
        bool unreadable;
    };
    for (const Row& row : {Row{"missing", false}, Row{"unreadable", true}}) {
        SCOPED_TRACE(row.name);
        TempLogDir dir;
        // /proc/self/mem opens as an ordinary file but fails on the first read, even for root.
        if (row.unreadable) {
            ASSERT_TRUE(QFile::link("/proc/self/mem", dir.logFile()));
        }
        QWidget owner;
        ScriptedMessages messages;
        OpenViewCurrent(&owner, dir.log());
        ASSERT_EQ(messages.shown().size(), 1);
        const platform::MessageRequest& shown = messages.shown().at(0);
        if (row.unreadable)
            EXPECT_TRUE(shown.text.contains(dir.log().LogPath())) << shown.text.toStdString();
        else
            EXPECT_EQ(shown.text, kNoEntries);
        EXPECT_EQ(shown.style, Exclamation);
        EXPECT_EQ(shown.parent, &owner);
        EXPECT_TRUE(owner.findChildren<frmShowCurrent*>().isEmpty());
    }
}

// Opens the real modal window and, once it runs, hands it to `act`.
void openModally(QWidget& owner, const EntryLog& log,
                 const std::function<void(frmShowCurrent&)>& act) {
    bool acted = false;
    QTimer::singleShot(0, &owner, [&] {
        auto* form = qobject_cast<frmShowCurrent*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->parentWidget(), &owner);
        EXPECT_TRUE(form->isModal());
        acted = true;
        act(*form);
        if (form->isVisible()) form->close();
    });
    OpenViewCurrent(&owner, log);
    EXPECT_TRUE(acted);
    EXPECT_TRUE(owner.findChildren<frmShowCurrent*>().isEmpty());
}

TEST(FileViewClick, EachOpeningListsTheLogOnceAndIsDiscarded) {
    TempLogDir dir;
    dir.writeBytes(kThree);
    QWidget owner;
    owner.show();
    ScriptedMessages messages;
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        openModally(owner, dir.log(), [](frmShowCurrent& form) {
            EXPECT_EQ(listed(form), QStringList({"A - 1", "b - 2", "c - 3"}));
            form.cmdOK()->click();
        });
    }
    EXPECT_EQ(dir.bytes(), "A - 1\r\nb - 2\r\nc - 3\r\n");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST(ViewCurrentLargeLog, MoreThanASixteenBitCountIsListedAndWrittenWhole) {
    constexpr int kLines = 40'000;
    QByteArray bytes;
    for (int i = kLines; i > 0; --i)
        bytes += "C:\\DL\\F" + QByteArray::number(i).rightJustified(6, '0') + " - x\r\n";
    TempLogDir dir;
    const auto form = openWith(dir, bytes);
    ASSERT_EQ(form->lstCurrent()->model()->rowCount(), kLines);
    selectItem(*form, "C:\\DL\\F040000 - x");
    form->Command1()->click();
    form->cmdOK()->click();
    const QList<QByteArray> written = dir.bytes().split('\n');
    ASSERT_EQ(written.size(), kLines);
    EXPECT_EQ(written.first(), "C:\\DL\\F000001 - x\r");
    EXPECT_EQ(written.at(kLines - 2), "C:\\DL\\F039999 - x\r");
}

}  // namespace
}  // namespace kivra
