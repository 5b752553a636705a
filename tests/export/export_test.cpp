#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/export_buffer.h"
#include "main_window/main_window.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/rtf_text.h"
#include "support/scripted_messages.h"
#include "support/scripted_save_as.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

// Log order, never sorted; a Windows-1252 byte, an LF-only end and an unterminated last line.
const QByteArray kLog = "z - last\r\nC:\\DL\\b.zip - {x} \\ \ttab\r\ncaf\xE9 - one\na";
const QByteArray kText = "z - last\r\nC:\\DL\\b.zip - {x} \\ \ttab\r\ncaf\xE9 - one\r\na\r\n";
const QStringList kLines = {"z - last", "C:\\DL\\b.zip - {x} \\ \ttab", u"café - one"_qs, "a"};

mode_t modeOf(const QString& path) {
    struct stat info {};
    return stat(QFile::encodeName(path), &info) == 0 ? info.st_mode & 0777 : 0;
}

struct Export {
    test::TempLogDir logDir;
    QTemporaryDir outDir;
    EntryLog log = logDir.log();
    MainWindow window{log};
    test::ScriptedMessages messages;
    test::ScriptedSaveAs saveAs;
    void run() { window.findChild<QAction*>("exportAction")->trigger(); }
    // Exports to `name` in outDir, `filter` selected (else the one proposed); what that file then
    // holds.
    QByteArray to(const QString& name, int filter = -1) {
        saveAs.queueChoice(outDir.filePath(name), filter);
        run();
        return test::FileBytes(outDir.filePath(name));
    }
};

// No log, a cancelled Save As and failed writes leave every file as it was.
TEST(Export, RefusalsAndFailuresWriteNothingAndNameThePath) {
    Export e;
    e.run();
    ASSERT_EQ(e.messages.shown().size(), 1);
    EXPECT_EQ(e.messages.shown()[0].text, "Currently no entries exist");
    EXPECT_TRUE(e.saveAs.shown().isEmpty());
    ASSERT_TRUE(QDir(e.logDir.path()).mkdir("KVtemp.dat"));  // no log, something else
    e.run();
    EXPECT_TRUE(e.messages.shown().last().text.contains(e.log.logPath()));
    ASSERT_TRUE(QDir(e.logDir.path()).rmdir("KVtemp.dat"));

    e.logDir.writeBytes(kLog);
    e.run();  // nothing queued: Save As is cancelled
    ASSERT_EQ(e.saveAs.shown().size(), 1);
    EXPECT_EQ(e.saveAs.shown()[0].fileName, "INDEX");
    EXPECT_EQ(e.saveAs.shown()[0].filters,
              QStringList({"Plain Text (*.txt)", "Rich Text (*.rtf)"}));
    EXPECT_EQ(e.saveAs.shown()[0].patterns, QStringList({"*.TXT", "*.RTF"}));
    EXPECT_EQ(e.saveAs.shown()[0].selectedFilter, 1);  // Rich Text, as "INDEX" is written
    EXPECT_TRUE(QDir(e.outDir.path()).isEmpty());
    e.to("missing-dir/list.txt");
    ASSERT_EQ(e.messages.shown().size(), 3);
    EXPECT_TRUE(e.messages.shown()[2].text.contains(
        QDir::toNativeSeparators(e.outDir.filePath("missing-dir"))));

    ASSERT_TRUE(e.log.writeEntries(QStringList(4000, "C:\\DL\\FILE.ZIP - a description")));
    ASSERT_TRUE(test::WriteFile(e.outDir.filePath("list.txt"), "old\r\n"));
    const test::FileSizeLimit limit(64);  // the disk fills up during the export
    EXPECT_EQ(e.to("list.txt"), "old\r\n");
    e.to("list.rtf");
    ASSERT_EQ(e.messages.shown().size(), 5);
    for (int i : {3, 4}) EXPECT_TRUE(e.messages.shown()[i].text.endsWith("File too large")) << i;
}

// A name's extension decides, a name without one takes the filter selected (Rich Text unless
// changed) and is written as typed; text is the log's own bytes with CR LF; an old file is
// replaced, keeping its mode unless others could write it or it was another user's.
TEST(Export, TheNameOrTheFilterDecidesTheFormat) {
    constexpr int kPlain = 0, kRich = 1, kProposed = -1;
    const std::tuple<const char*, int, bool> rows[] = {
        {"INDEX", kProposed, false}, {"INDEX", kPlain, true},      {"notes-export", kPlain, true},
        {"mytxt", kProposed, false}, {"list.Txt", kRich, true},    {"notes.TXT", kProposed, true},
        {"a.rtf", kPlain, false},    {"list.text", kPlain, false},
    };
    Export e;
    e.logDir.writeBytes(kLog);
    for (const auto& [name, filter, text] : rows) {
        SCOPED_TRACE(testing::Message() << name << " under filter " << filter);
        const QString path = e.outDir.filePath(name);
        ASSERT_TRUE(test::WriteFile(path, "old"));
        // Another user's file, or one others may write, gives way to a private one.
        chmod(QFile::encodeName(path), text ? 0640 : 0666);
        if (!text && geteuid() == 0) chown(QFile::encodeName(path), 65534, 65534);
        const QByteArray written = e.to(name, filter);
        EXPECT_EQ(modeOf(path), text ? 0640 : 0600);
        if (text)
            EXPECT_EQ(written, kText);
        else
            EXPECT_EQ(test::ReadRtfText(written).paragraphs, kLines);
    }
    EXPECT_TRUE(e.messages.shown().isEmpty());
    EXPECT_EQ(e.logDir.bytes(), kLog);
    // A log already in CR LF is copied as it is; a CR alone still ends a line, in a short log
    // and a long one; a zero-byte log gives an empty text file and an RTF document without text.
    const std::tuple<QByteArray, QByteArray, QStringList> logs[] = {
        {kText, kText, kLines},
        {"", "", {}},
        {(QByteArray(99998, 'a') + "\r\n").repeated(3) + "b\r",
         (QByteArray(99998, 'a') + "\r\n").repeated(3) + "b\r\n",
         QStringList(3, QString(99998, 'a')) << "b"},
        {"a\rb\r\n", "a\r\nb\r\n", {"a", "b"}}};
    for (const auto& [log, text, paragraphs] : logs) {
        e.logDir.writeBytes(log);
        EXPECT_EQ(e.to("again.txt"), text);
        const QByteArray written = e.to("again.rtf");
        // New files are as private as the log, whatever the umask.
        EXPECT_EQ(modeOf(e.outDir.filePath("again.rtf")), 0600);
        EXPECT_TRUE(written.contains("MS Sans Serif") && written.contains("\\fs16"));  // 8 point
        const test::RtfText rtf = test::ReadRtfText(written);
        EXPECT_TRUE(rtf.ok);
        EXPECT_EQ(rtf.paragraphs, paragraphs);
    }
    // A log replaced after the load, as "Return" replaces it, still exports what was loaded.
    ExportBuffer buffer;
    ASSERT_TRUE(buffer.load(e.log.logPath()));
    ASSERT_TRUE(e.log.writeEntries({"new"}));
    ASSERT_TRUE(buffer.save(e.outDir.filePath("late.rtf"), ExportBuffer::Rtf));
    EXPECT_EQ(test::ReadRtfText(test::FileBytes(e.outDir.filePath("late.rtf"))).paragraphs,
              QStringList({"a", "b"}));
}

}  // namespace
}  // namespace kivra
