#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "core/abbreviate_path.h"

namespace kivra {
namespace {

struct Row {
    QString path;
    QString result;
};

TEST(AbbreviatePath, WorkedExamples) {
    const Row rows[] = {
        {"C:\\WINDOWS\\SYSTEM", "c:\\windows\\system"},
        {"C:\\DOWNLOAD\\ARCHIVES\\UTILITIES\\DISK TOOLS\\DEFRAGMENTER\\VERSION 2\\SETUP.EXE",
         "c:\\...\\utilities\\disk tools\\defragmenter\\version 2\\setup.exe"},
        {"C:\\ARCHIVE1\\LETTERS AND MEMOS FROM JUNE\\FINAL VERSIONS\\OFFICE MEMO.TXT",
         "c:\\...\\letters and memos from june\\final versions\\office memo.txt"},
        {"C:\\A\\VERYLONGDIRECTORYNAMEWITHOUTANYBREAKSWHATSOEVERTHATRUNSONANDON.TXT", "c:\\..."},
    };
    for (const Row& row : rows) EXPECT_EQ(AbbreviatePath(row.path, 64), row.result) << row.path.toStdString();
    EXPECT_EQ(AbbreviatePath(rows[2].path, 64).size(), 65);
}

TEST(AbbreviatePath, ShortensOnlyPathsLongerThanTheWidth) {
    const QString at64 = "C:\\" + QString(61, u'A');
    EXPECT_EQ(AbbreviatePath(at64, 64), at64.toLower());
    const QString at65 = "C:\\" + QString(62, u'A');
    EXPECT_EQ(AbbreviatePath(at65, 64), "c:\\...");

    const QString lower = "c:\\already\\lower case\\file.txt";
    EXPECT_EQ(AbbreviatePath(lower, 64), lower);
    const QString input = "C:\\KEEP\\ME";
    AbbreviatePath(input, 4);
    EXPECT_EQ(input, "C:\\KEEP\\ME");
}

TEST(AbbreviatePath, CutsAtTheFirstSeparatorFromTheScanStart) {
    // n = 80, scan starts at position n - 58 = 22.
    QString path = "C:\\" + QString(77, u'X');
    path[21] = u'\\';  // position 22
    const QString result = AbbreviatePath(path, 64);
    EXPECT_EQ(result.size(), 65);
    EXPECT_EQ(result, "c:\\...\\" + QString(58, u'x'));

    // One before the scan start does not count.
    QString before = "C:\\" + QString(77, u'X');
    before[20] = u'\\';
    EXPECT_EQ(AbbreviatePath(before, 64), "c:\\...");

    // A trailing separator alone survives.
    const QString trailing = "C:\\" + QString(76, u'Y') + "\\";
    EXPECT_EQ(AbbreviatePath(trailing, 64), "c:\\...\\");
}

TEST(AbbreviatePath, PosixPathsKeepTheirRoot) {
    EXPECT_EQ(AbbreviatePath("/home/Ann/Downloads", 64), "/home/ann/downloads");
    const QString path = "/home/ann/" + QString(40, u'd') + "/Archive/" + QString(20, u'F') + ".ZIP";
    const QString result = AbbreviatePath(path, 64);
    EXPECT_EQ(result, "/.../archive/" + QString(20, u'f') + ".zip");
    EXPECT_LE(result.size(), 65);
}

// Whatever the path, the result is the root, the marker and a tail of whole names.
TEST(AbbreviatePath, ShortenedResultsKeepTheirShape) {
    QRandomGenerator random(1234);
    const QString alphabet = "ABCdef\\/ .";
    for (int round = 0; round < 5000; ++round) {
        const int n = random.bounded(1, 200);
        QString path = random.bounded(2) ? "C:\\" : "/";
        while (path.size() < n) path += alphabet[random.bounded(alphabet.size())];
        for (int width : {0, 3, 6, 20, 64}) {
            const QString result = AbbreviatePath(path, width);
            if (path.size() <= width) {
                EXPECT_EQ(result, path.toLower());
                continue;
            }
            const qsizetype root = path.startsWith(u'/') ? 1 : 3;
            ASSERT_TRUE(result.startsWith(path.left(root).toLower() + "...")) << path.toStdString();
            const QString tail = result.mid(root + 3);
            EXPECT_TRUE(path.toLower().endsWith(tail));
            if (!tail.isEmpty()) {
                EXPECT_TRUE(tail[0] == u'\\' || tail[0] == u'/');
            }
            if (width >= 6) {
                EXPECT_LE(result.size(), width + 1);
            }
        }
    }
}

}  // namespace
}  // namespace kivra
