#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "core/entry_log.h"
#include "main_window/export_command.h"
#include "support/qt_printers.h"
#include "support/rtf_text.h"
#include "support/scripted_messages.h"
#include "support/scripted_save_as.h"
#include "support/small_file_system.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

using test::ScriptedMessages;
using test::ScriptedSaveAs;
using test::TempLogDir;

const QByteArray kLog = "C:\\DL\\b.zip - second in the file, first written\r\n"
                        "C:\\DL\\a.zip - {braces} \\ and tabs\there\r\n";
const QStringList kLines = {"C:\\DL\\b.zip - second in the file, first written",
                            "C:\\DL\\a.zip - {braces} \\ and tabs\there"};

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override { logDir.writeBytes(kLog); }
    void exportTo(const QString& path) {
        saveAs.queueChoice(path);
        command.run();
    }
    QString out(const QString& name) const { return outDir.filePath(name); }

    TempLogDir logDir;
    QTemporaryDir outDir;
    QWidget owner;
    EntryLog log = logDir.log();
    ExportCommand command{&owner, log};
    ScriptedMessages messages;
    ScriptedSaveAs saveAs;
};

TEST_F(ExportTest, NoLogIsToldAndNoDialogOpens) {
    ASSERT_TRUE(log.DeleteLog());
    command.run();
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].text, "Currently no entries exist");
    EXPECT_EQ(messages.shown()[0].style, platform::MsgStyle::Exclamation);
    EXPECT_TRUE(saveAs.shown().isEmpty());
}

TEST_F(ExportTest, TheDialogProposesIndexWithBothFilters) {
    saveAs.queueCancel();
    command.run();
    ASSERT_EQ(saveAs.shown().size(), 1);
    const platform::SaveAsRequest& request = saveAs.shown()[0];
    EXPECT_EQ(request.title, "Save As");
    EXPECT_EQ(request.fileName, "INDEX");
    EXPECT_EQ(request.filters, QStringList({"Plain Text (*.txt)", "Rich Text (*.rtf)"}));
    EXPECT_EQ(request.patterns, QStringList({"*.TXT", "*.RTF"}));
    EXPECT_EQ(request.parent, &owner);
}

TEST_F(ExportTest, ACancelWritesAndShowsNothingButTheLogIsLoaded) {
    saveAs.queueCancel();
    command.run();
    EXPECT_TRUE(QDir(outDir.path()).isEmpty());
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(command.rtfData().lines(), kLines);
    EXPECT_EQ(logDir.bytes(), kLog);
}

// The name alone decides the format, whichever filter was picked.
TEST_F(ExportTest, TheNameAloneDecidesTheFormat) {
    const struct {
        const char* name;
        bool text;
    } rows[] = {
        {"INDEX", false},    {"list.Txt", true},  {"mytxt", true},   {"list.text", false},
        {"notes.TXT", true}, {"notes.rtf", false}, {"notes.doc", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        exportTo(out(row.name));
        ASSERT_TRUE(QFileInfo::exists(out(row.name)));
        const QByteArray written = readFile(out(row.name));
        if (row.text) {
            EXPECT_EQ(written, kLog);
        } else {
            const test::RtfText rtf = test::ReadRtfText(written);
            ASSERT_TRUE(rtf.ok) << rtf.error.toStdString();
            EXPECT_EQ(rtf.paragraphs, kLines);
        }
    }
    QStringList names = QDir(outDir.path()).entryList(QDir::Files);
    names.sort();
    EXPECT_EQ(names, QStringList({"INDEX", "list.Txt", "list.text", "mytxt", "notes.TXT",
                                  "notes.doc", "notes.rtf"}));
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(logDir.bytes(), kLog) << "the export changed the log";
}

TEST_F(ExportTest, TextKeepsLogOrderAndAnExistingFileIsReplaced) {
    QFile old(out("list.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'o'));
    old.close();
    exportTo(out("list.txt"));
    EXPECT_EQ(readFile(out("list.txt")), kLog);
}

TEST_F(ExportTest, TextIsTheLogsOwnBytesWithCrLfLineEnds) {
    logDir.writeBytes("caf\xE9 - Windows-1252\nC:\\A - unix end\rlast");
    exportTo(out("list.txt"));
    EXPECT_EQ(readFile(out("list.txt")),
              QByteArray("caf\xE9 - Windows-1252\r\nC:\\A - unix end\r\nlast\r\n"));
}

TEST_F(ExportTest, AnEmptyLogGivesAnEmptyTextOrAnRtfWithoutText) {
    logDir.writeBytes("");
    exportTo(out("empty.txt"));
    EXPECT_TRUE(QFileInfo::exists(out("empty.txt")));
    EXPECT_EQ(QFileInfo(out("empty.txt")).size(), 0);
    exportTo(out("empty.rtf"));
    const test::RtfText rtf = test::ReadRtfText(readFile(out("empty.rtf")));
    ASSERT_TRUE(rtf.ok);
    EXPECT_TRUE(rtf.paragraphs.isEmpty());
}

TEST_F(ExportTest, FailuresNameThePathAndChangeNothing) {
    exportTo(out("missing-dir/list.txt"));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown()[0].style, platform::MsgStyle::Exclamation);
    EXPECT_TRUE(messages.shown()[0].text.contains(QDir::toNativeSeparators(out("missing-dir/list.txt"))))
        << messages.shown()[0].text.toStdString();

    // A log that is there but cannot be read: no dialog.
    ASSERT_TRUE(QFile::remove(logDir.logFile()));
    ASSERT_TRUE(QFile::link("/proc/self/mem", logDir.logFile()));
    command.run();
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(messages.shown()[1].text.contains(log.LogPath())) << messages.shown()[1].text.toStdString();
    EXPECT_EQ(saveAs.shown().size(), 1);
}

TEST_F(ExportTest, AFullDiskLeavesTheOldExportWhole) {
    test::SmallFileSystem fs(64);
    if (!fs.available()) GTEST_SKIP() << fs.reason().toStdString();
    QStringList big;
    for (int i = 0; i < 4000; ++i) big.append(QStringLiteral("C:\\DL\\FILE%1.ZIP - a description").arg(i));
    ASSERT_TRUE(log.WriteEntries(big));
    const QString target = fs.path() + "/list.txt";
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old export\r\n");
    old.close();
    exportTo(target);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains(target)) << messages.shown()[0].text.toStdString();
    EXPECT_EQ(readFile(target), QByteArray("old export\r\n"));
}

TEST(CaseInsensitivePattern, MatchesAnyLetterCase) {
    const QString pattern = platform::CaseInsensitivePattern("*.TXT");
    EXPECT_EQ(pattern, "*.[tT][xX][tT]");
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
    for (const char* name : {"list.txt", "LIST.TXT", "a.Txt"}) EXPECT_TRUE(re.match(name).hasMatch()) << name;
    for (const char* name : {"a.rtf", "txt", "a.txt.bak"}) EXPECT_FALSE(re.match(name).hasMatch()) << name;
}

// The real dialog, opened and read while modal, then cancelled.
TEST(SaveAsDialogShown, ListsTextFilesInAnyCaseUnderPlainText) {
    QTemporaryDir dir;
    for (const char* name : {"list.txt", "OTHER.TXT", "notes.rtf"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QStringList listed;
    QStringList filters;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        auto* view = dialog->findChild<QListView*>("listView");
        QTRY_VERIFY_WITH_TIMEOUT(view && view->model()->rowCount(view->rootIndex()) > 0, 5000);
        for (int i = 0; i < view->model()->rowCount(view->rootIndex()); ++i)
            listed.append(view->model()->index(i, 0, view->rootIndex()).data().toString());
        dialog->reject();
    });
    platform::SaveAsDialog dlg;
    dlg.Filter = "Plain Text (*.txt)|*.TXT|Rich Text (*.rtf)|*.RTF";
    dlg.FileName = "INDEX";
    EXPECT_FALSE(dlg.ShowSave(nullptr));
    QDir::setCurrent(saved);
    EXPECT_EQ(dlg.FileName, "INDEX");
    EXPECT_EQ(title, "Save As");
    EXPECT_EQ(filters.size(), 2);
    listed.sort(Qt::CaseInsensitive);
    EXPECT_EQ(listed, QStringList({"list.txt", "OTHER.TXT"}));
}

}  // namespace
}  // namespace kivra
