#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "core/entry_log.h"
#include "support/file_size_limit.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

using test::FileSizeLimit;
using test::TempLogDir;

TEST(EntryLogFormat, AppendsCreateTheLogAndKeepTheirOrder) {
    TempLogDir dir;
    const EntryLog log(dir.path() + "/not/yet/there");
    EXPECT_FALSE(log.LogExists());

    ASSERT_TRUE(log.AppendEntry("C:\\DL\\a.zip - setup of the scanner"));
    EXPECT_TRUE(log.LogExists());
    QFile file(log.appDir() + "/KVtemp.dat");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("C:\\DL\\a.zip - setup of the scanner\r\n"));
    file.close();

    ASSERT_TRUE(log.AppendEntry("C:\\DL\\b.zip - part one - part two"));
    ASSERT_TRUE(log.AppendEntry(" -  "));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("C:\\DL\\a.zip - setup of the scanner\r\n"
                                         "C:\\DL\\b.zip - part one - part two\r\n"
                                         " -  \r\n"));
    const ReadResult read = log.ReadEntries();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, QStringList({"C:\\DL\\a.zip - setup of the scanner",
                                       "C:\\DL\\b.zip - part one - part two", " -  "}));
}

TEST(EntryLogFormat, AppendStartsANewLineAfterAHandEditedLastLine) {
    TempLogDir dir;
    dir.writeBytes("first\r\nsecond");
    ASSERT_TRUE(dir.log().AppendEntry("third"));
    EXPECT_EQ(dir.bytes(), QByteArray("first\r\nsecond\r\nthird\r\n"));

    // A lone CR or LF already ends the last line.
    dir.writeBytes("first\n");
    ASSERT_TRUE(dir.log().AppendEntry("second"));
    EXPECT_EQ(dir.bytes(), QByteArray("first\nsecond\r\n"));
}

TEST(EntryLogFormat, LineBreaksInsideALineCannotSplitIt) {
    TempLogDir dir;
    ASSERT_TRUE(dir.log().AppendEntry("a\r\nb\nc\rd"));
    ASSERT_TRUE(dir.log().WriteEntries({"x\ny"}));
    EXPECT_EQ(dir.bytes(), QByteArray("x?y\r\n"));
    ASSERT_TRUE(dir.log().AppendEntry("a\r\nb"));
    EXPECT_EQ(dir.log().ReadEntries().lines, QStringList({"x?y", "a??b"}));
}

TEST(EntryLogFormat, ReadSplitsAtEveryKindOfLineEnd) {
    TempLogDir dir;
    struct Case {
        QByteArray bytes;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"one\r\ntwo\r\n", {"one", "two"}},
        {"one\r\ntwo", {"one", "two"}},
        {"one\rtwo\nthree\r\n", {"one", "two", "three"}},
        {"one\r\n\r\n\rtwo", {"one", "", "", "two"}},
        {"one\n\r", {"one", ""}},
        {"one\r", {"one"}},
    };
    for (const Case& c : cases) {
        dir.writeBytes(c.bytes);
        const ReadResult read = dir.log().ReadEntries();
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.lines, c.lines) << c.bytes.toStdString();
    }
}

// Reading in chunks must not care where a chunk ends: inside a line, between CR and LF, or in
// the middle of a multi-byte character.
TEST(EntryLogFormat, ChunkBoundariesDoNotMatter) {
    const QByteArray log = "C:\\A - one\r\nB\rC\n\r\n\xC3\xA9t\xC3\xA9 - caf\xE9\r\n" +
                           QByteArray(50, 'x') + "\r\nlast";
    const QStringList whole = entry_log_detail::decodeLines(log);
    for (qsizetype chunk : {1, 2, 3, 5, 8, 13, 64}) {
        QBuffer device;
        device.setData(log);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        EXPECT_EQ(entry_log_detail::readLines(device, chunk), whole) << "chunk " << chunk;
    }
}

TEST(EntryLogEncoding, TextComesBackExactlyAndBytesAreNeverLost) {
    TempLogDir dir;
    const QStringList lines = {u"C:\\Müll\\Ärger.txt - naïve café"_qs,
                               u"/home/ユーザー - 日本語のメモ"_qs, u"/tmp/x - 🎉 done"_qs};
    ASSERT_TRUE(dir.log().WriteEntries(lines));
    EXPECT_EQ(dir.log().ReadEntries().lines, lines);

    // A log written by a Windows program: Windows-1252 bytes that are not valid in the
    // system encoding still read as the letters they stand for, line by line.
    dir.writeBytes("caf\xE9 - \x80 5\r\nvalid \xC3\xA9\r\n\x93quoted\x94\r\n");
    EXPECT_EQ(dir.log().ReadEntries().lines,
              QStringList({u"café - € 5"_qs, u"valid é"_qs, u"“quoted”"_qs}));
}

TEST(EntryLogRewrite, WritesTheListInItsOrderAndAnEmptyListLeavesAnEmptyLog) {
    TempLogDir dir;
    ASSERT_TRUE(dir.log().AppendEntry("old"));
    ASSERT_TRUE(dir.log().WriteEntries({"b", "a", ""}));
    EXPECT_EQ(dir.bytes(), QByteArray("b\r\na\r\n\r\n"));

    ASSERT_TRUE(dir.log().WriteEntries({}));
    EXPECT_TRUE(QFile::exists(dir.logFile()));
    EXPECT_EQ(QFileInfo(dir.logFile()).size(), 0);
    EXPECT_TRUE(dir.log().LogExists());
    EXPECT_TRUE(dir.log().ReadEntries().lines.isEmpty());
}

TEST(EntryLogRewrite, LargeListsSurviveTheRoundTrip) {
    TempLogDir dir;
    QStringList lines;
    for (int i = 0; i < 60000; ++i)
        lines.append(QStringLiteral("C:\\DOWNLOAD\\FILE%1.ZIP - description number %1 ü").arg(i));
    ASSERT_TRUE(dir.log().WriteEntries(lines));
    EXPECT_GT(dir.bytes().size(), 2 << 20);  // more than one write chunk
    EXPECT_EQ(dir.log().ReadEntries().lines, lines);
}

TEST(EntryLogLifecycle, ExistsOnlyAsAnOrdinaryFile) {
    TempLogDir dir;
    EXPECT_FALSE(dir.log().LogExists());
    ASSERT_TRUE(dir.log().AppendEntry("x"));
    EXPECT_TRUE(dir.log().LogExists());
    ASSERT_TRUE(dir.log().DeleteLog());
    EXPECT_FALSE(dir.log().LogExists());
    EXPECT_FALSE(QFile::exists(dir.logFile()));
    // Deleting what is already gone is no failure.
    EXPECT_TRUE(dir.log().DeleteLog());

    ASSERT_TRUE(QDir(dir.path()).mkdir("KVtemp.dat"));
    EXPECT_FALSE(dir.log().LogExists());
}

TEST(EntryLogLifecycle, PathIsTheDirectoryAndTheFileName) {
    EXPECT_EQ(EntryLog("/var/lib/kivra").LogPath(), QDir::toNativeSeparators("/var/lib/kivra/KVtemp.dat"));
    EXPECT_EQ(EntryLog("/").LogPath(), QDir::toNativeSeparators("/KVtemp.dat"));
    EXPECT_TRUE(EntryLog::defaultAppDir().endsWith("Kivra32"));
}

// A directory named KVtemp.dat stands in for every file that cannot be opened.
TEST(EntryLogFailures, EveryOperationReportsThePathAndAReason) {
    TempLogDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("KVtemp.dat"));
    const EntryLog log = dir.log();
    const LogResult results[] = {log.AppendEntry("x"), log.WriteEntries({"x"}), log.DeleteLog()};
    for (const LogResult& result : results) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(log.LogPath())) << result.error.toStdString();
    }
    const ReadResult read = log.ReadEntries();
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.error.contains(log.LogPath())) << read.error.toStdString();
    EXPECT_TRUE(QFileInfo(dir.logFile()).isDir());

    // An application directory that cannot be created.
    QFile blocker(dir.path() + "/plain-file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const EntryLog blocked(dir.path() + "/plain-file/sub");
    EXPECT_FALSE(blocked.AppendEntry("x").ok);
    EXPECT_FALSE(blocked.WriteEntries({"x"}).ok);
}

TEST(EntryLogFailures, AFullDiskLeavesTheOldLogWhole) {
    TempLogDir dir;
    const QByteArray before = "C:\\A - first\r\nC:\\B - second\r\n";
    dir.writeBytes(before);
    {
        const FileSizeLimit limit(before.size() + 10);
        const LogResult append = dir.log().AppendEntry(QString(200, u'x'));
        EXPECT_FALSE(append.ok);
        EXPECT_FALSE(append.error.isEmpty());
        EXPECT_EQ(dir.bytes(), before) << "a half-written line stays in the log";

        QStringList lines(5000, QStringLiteral("C:\\SOME\\PATH - some description"));
        EXPECT_FALSE(dir.log().WriteEntries(lines).ok);
        EXPECT_EQ(dir.bytes(), before) << "a failed rewrite cut the old log";
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"KVtemp.dat"}))
        << "a failed rewrite left a temporary file behind";
}

}  // namespace
}  // namespace kivra
