#include "core/abbreviate_path.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/qt_printers.h"

namespace kivra {
namespace {

TEST(AbbreviatePath, ShortensToTheRootAndWholeNames) {
    constexpr auto kLower = LabelCase::Lower;
    const std::tuple<QString, QString, LabelCase> rows[] = {
        {"C:\\DOWNLOAD\\ARCHIVES\\UTILITIES\\DISK TOOLS\\DEFRAGMENTER\\VERSION 2\\SETUP.EXE",
         "c:\\...\\utilities\\disk tools\\defragmenter\\version 2\\setup.exe", kLower},
        {"C:\\ARCHIVE1\\LETTERS AND MEMOS FROM JUNE\\FINAL VERSIONS\\OFFICE MEMO.TXT",
         "c:\\...\\letters and memos from june\\final versions\\office memo.txt",
         kLower},                                         // 65 long
        {"C:\\" + QString(62, u'A'), "c:\\...", kLower},  // 65 long
        {"C:\\" + QString(76, u'Y') + "\\", "c:\\...\\", kLower},
        {"/home/ann/" + QString(50, u'd') + "/Archive/F.ZIP", "/.../archive/f.zip", kLower},
        // Where letter cases name different files the label keeps them.
        {"/home/ann/" + QString(50, u'd') + "/Archive/F.ZIP", "/.../Archive/F.ZIP",
         LabelCase::Kept},
        {u"𝔸𝔹𝔻\\"_qs + QString(70, u'Y'), u"𝔸𝔹𝔻..."_qs, kLower},  // three code points, no half pair
    };
    for (const auto& [path, result, letterCase] : rows)
        EXPECT_EQ(AbbreviatePath(path, 64, letterCase), result);
}

// In a label `width` wide, where a character beyond ASCII takes two: a path that fits, or whose
// abbreviation does, as before; a last name too long for either, elided in its middle.
TEST(AbbreviatePath, ALastNameTooLongForTheLabelIsElidedInItsMiddle) {
    const auto measure = [](QStringView text) {
        return int(text.size() + std::count_if(text.begin(), text.end(),
                                               [](QChar c) { return c.unicode() > 0x7F; }));
    };
    const std::tuple<QString, int, QString> rows[] = {
        {"/home/ann/memo.txt", 18, "/home/ann/memo.txt"},
        {"/home/ann/" + QString(50, u'd') + "/Archive/F.ZIP", 18, "/.../Archive/F.ZIP"},
        {"/home/ann/a very long file name that goes on and on and on for the installer ver "
         "2.tar.gz",
         40, u"/.../a very long f…staller ver 2.tar.gz"_qs},
        {u"/home/ann/文件/很长很长的文件名字很长的文件名字.txt"_qs, 30,
         u"/.../很长很长的…文件名字.txt"_qs},
        {"C:\\DL\\" + QString(80, u'x') + ".zip", 16, u"C:\\...\\xx…x.zip"_qs},
    };
    for (const auto& [path, width, result] : rows)
        EXPECT_EQ(FitPath(path, 64, width, measure, LabelCase::Kept), result);
}

}  // namespace
}  // namespace kivra
