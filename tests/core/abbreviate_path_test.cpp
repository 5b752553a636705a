#include "core/abbreviate_path.h"

#include <gtest/gtest.h>

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
         kLower},  // 65 long
        {"C:\\A\\VERYLONGDIRECTORYNAMEWITHOUTANYBREAKSWHATSOEVERTHATRUNSONANDON.TXT", "c:\\...",
         kLower},
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

}  // namespace
}  // namespace kivra
