#include "core/entry_log.h"

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <functional>

#include "core/description_index.h"
#include "support/file_size_limit.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

using test::TempLogDir;

// Reading splits at every kind of line end, with Windows-1252 where the bytes are not UTF-8 (as
// names are read): invalid bytes, a sequence cut short, an overlong form, a surrogate; byte-order
// marks in front dropped.
TEST(EntryLog, AppendsRewritesAndReadsGiveExactBytes) {
    EXPECT_EQ(DecodeLogLines(
                  "one\r\ntwo\rthree\n\r\n\xC3\xA9t\xE9 \x80\x81\r\ncaf\xE9\r\n\xC3(\xE2\x82\r\n"
                  "\xC0\xAF\xED\xA0\x80\n\xF0\x9F\x8E\x89!\r\n\xEF\xBB\xBF\xEF\xBB\xBF\xE9\nlast"),
              QStringList({"one", "two", "three", "", u"été €\u0081"_qs, u"café"_qs, u"Ã(â‚"_qs,
                           u"À¯í\u00A0€"_qs, u"🎉!"_qs, u"é"_qs, "last"}));
    TempLogDir dir;
    const EntryLog log(dir.path() + "/not/yet/there");
    EXPECT_FALSE(log.logExists());
    ASSERT_TRUE(log.appendEntry("C:\\DL\\a.zip - part - part"));
    EXPECT_EQ(QFile::permissions(log.appDir()) & 0x0777, 0x0700);
    EXPECT_EQ(QFile::permissions(log.appDir() + "/KVtemp.dat") & 0x0777, 0x0600);
    ASSERT_TRUE(log.appendEntry("cr\rlf\ninside"));
    EXPECT_EQ(test::FileBytes(log.logPath()), "C:\\DL\\a.zip - part - part\r\ncr?lf?inside\r\n");

    dir.writeBytes("hand\r\nedited");  // an append never fuses with an unterminated last line
    ASSERT_TRUE(dir.log().appendEntry("next"));
    EXPECT_EQ(dir.bytes(), "hand\r\nedited\r\nnext\r\n");
    // A rewrite keeps the log's mode and clears what a killed rewrite left, nothing else.
    QFile::setPermissions(dir.logFile(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    for (const char* name : {"KVtemp.dat.AbCd12", "KVtemp.dat.lock1", "KVtemp.dat.txt"})
        QFile(dir.path() + "/" + name).open(QIODevice::WriteOnly);
    ASSERT_TRUE(dir.log().writeEntries({"b", "", u"ü 日 🎉"_qs}));
    EXPECT_EQ(dir.bytes(), "b\r\n\r\n\xC3\xBC \xE6\x97\xA5 \xF0\x9F\x8E\x89\r\n");
    EXPECT_EQ(QFile::permissions(dir.logFile()) & 0x0777, 0x0640);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"KVtemp.dat", "KVtemp.dat.lock1", "KVtemp.dat.txt", "KVtemp.dat.undo"}));
    ASSERT_TRUE(dir.log().writeEntries({}));
    EXPECT_TRUE(dir.log().logExists());
    EXPECT_EQ(dir.bytes(), "");
}

TEST(EntryLog, FailuresNameThePathAndLeaveTheOldLogWhole) {
    TempLogDir dir;
    const EntryLog log = dir.log();
    EXPECT_EQ(EntryLog("/").logPath(), "/KVtemp.dat");
    EXPECT_TRUE(log.deleteLog()) << "a log already gone is no failure";
    ASSERT_TRUE(QDir(dir.path()).mkdir("KVtemp.dat"));
    EXPECT_FALSE(log.logExists());
    for (const QString& error :
         {test::Said(log.appendEntry("x")), test::Said(log.writeEntries({"x"})),
          test::Said(log.deleteLog()), test::Said(log.readEntries()), test::Said(log.usable())})
        EXPECT_TRUE(error.contains(log.logPath())) << error.toStdString();
    ASSERT_TRUE(QDir(dir.path()).rmdir("KVtemp.dat"));

    dir.writeBytes("C:\\A - first\r\n");
    const QString noFolder = test::Said(EntryLog(dir.logFile() + "/sub").appendEntry("x"));
    EXPECT_TRUE(noFolder.contains("Not a directory")) << noFolder.toStdString();
    EXPECT_EQ(dir.bytes(), "C:\\A - first\r\n");

    // A relative XDG_DATA_HOME is ignored; a folder name that is not UTF-8 is refused.
    const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", "/nowhere");
    qputenv("XDG_DATA_HOME", "relative");
    EXPECT_EQ(EntryLog::defaultLog().appDir(), "/nowhere/.local/share/Kivra32");
    qputenv("XDG_DATA_HOME", "/tmp/\xFF");
    EXPECT_TRUE(test::Said(EntryLog::defaultLog().appendEntry("x")).contains("not valid UTF-8"));
    EXPECT_FALSE(QFile::exists(u"/tmp/\uFFFD"_qs));
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", data);
}

// Each failed write tells the system's reason, and the old log stays whole. The full and the
// read-only disk are a small tmpfs, where the test may mount one.
TEST(EntryLog, WriteFailuresNameTheirCause) {
    QTemporaryDir plain, disk;
    const QByteArray small = QFile::encodeName(disk.path());
    const bool mounted = mount("tmpfs", small, "tmpfs", 0, "size=64k,mode=0700") == 0;
    const auto unmount = qScopeGuard([&] { mounted&& umount2(small, MNT_DETACH); });
    const auto skip = qScopeGuard([&] {
        if (!mounted) GTEST_SKIP() << "no full or read-only disk: a tmpfs cannot be mounted here";
    });
    const std::tuple<const char*, QString, std::function<void()>> rows[] = {
        {"File too large", plain.path(), [] {}},
        {"No space left on device", disk.path(),
         [&] { test::WriteFile(disk.filePath("filler"), QByteArray(1 << 17, 'f')); }},
        {"Read-only file system", disk.path(),
         [&] { mount(nullptr, small, nullptr, MS_REMOUNT | MS_RDONLY, nullptr); }},
    };
    for (const auto& [reason, folder, arrange] : rows) {
        if (folder == disk.path() && !mounted) continue;
        const EntryLog log(folder);
        QFile::remove(disk.filePath("filler"));
        ASSERT_TRUE(log.writeEntries({"C:\\A - first"}));
        arrange();
        const test::FileSizeLimit limit(folder == plain.path() ? 200 : RLIM_INFINITY);
        for (const QString& error :
             {test::Said(log.appendEntry(QString(9000, u'x'))),
              test::Said(log.writeEntries(QStringList(5000, "C:\\SOME - thing")))})
            EXPECT_TRUE(error.contains(reason) && error.contains(log.logPath()))
                << error.toStdString();
        EXPECT_EQ(test::FileBytes(log.logPath()), "C:\\A - first\r\n");
        QStringList left = QDir(folder).entryList({"KVtemp.dat.*"}, QDir::Files);
        left.removeOne("KVtemp.dat.undo");  // kept between appends
        EXPECT_EQ(left, QStringList());
    }
}

// Which item of a folder each line describes, by the descriptions each item ends up with.
TEST(DescriptionIndex, ALineDescribesTheLongestExistingPathItBeginsWith) {
    QTemporaryDir tree;
    const QByteArray d = QFile::encodeName(tree.path());
    for (const char* name : {"/a", "/a - b.zip"})
        QFile(tree.path() + name).open(QIODevice::WriteOnly);
    QDir(tree.path()).mkdir("sub");
    DescriptionIndex index;
    index.addBytes(d + "/sub - dir\r\n" + d + "/sub/ - dir/\r\n" + d + "/a - b.zip - longer\r\n" +
                   d + "/a - shorter\r\n" + d + "/caf\xE9 - latin\r\n/ - root");
    const std::tuple<QString, bool, QStringList> rows[] = {{"/a", false, {"shorter"}},
                                                           {"/a - b.zip", false, {"longer"}},
                                                           {"/sub/", true, {"dir", "dir/"}},
                                                           {u"/café"_qs, false, {"latin"}}};
    for (const auto& [name, isDirectory, expected] : rows)
        EXPECT_EQ(index.descriptions(index.lookUp(tree.path() + name, isDirectory)), expected)
            << name.toStdString();
}

// A log with no LF at all, a BOM and a 10 MB line; "/x/a - b" is taken to exist.
TEST(DescriptionIndex, ReadsAnyLogAndFilesOnlyBeginningsAPathCanBe) {
    const QByteArray longLine = "/x/a" + QByteArray(" - x").repeated(2'500'000);
    DescriptionIndex index;
    index.addBytes("\xEF\xBB\xBF/x/a - marked\r/x/b - one\r/x/a - b - two\r" + longLine);
    const auto exists = [](const QString& path) { return path == "/x/a - b"; };
    const QString rows[][2] = {{"/x/a", "marked"}, {"/x/b", "one"}, {longLine.first(4400), ""}};
    for (const auto& row : rows)
        EXPECT_EQ(index.descriptions(index.lookUp(row[0], false, exists)).value(0), row[1]);
    EXPECT_EQ(index.lookUp("/x/a", false, exists).size(), 2u);
}

}  // namespace
}  // namespace kivra
