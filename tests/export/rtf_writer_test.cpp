#include <gtest/gtest.h>

#include "core/entry_log.h"
#include "core/rtf_writer.h"
#include "support/qt_printers.h"
#include "support/rtf_text.h"

namespace kivra {
namespace {

const QStringList kTrickyLines = {
    u"C:\\DL\\a.zip - setup of the scanner"_qs,
    u"{braces} and \\par and \\u1234? - not control words"_qs,
    u"tab\there - \t two\t\ttabs"_qs,
    u"C:\\Müll\\Ärger - naïve café, Ørsted, ß"_qs,
    u"/home/ユーザー - 日本語のメモ 中文"_qs,
    u"emoji 🎉 and 𝄞 - beyond the BMP"_qs,
    u""_qs,
    u"   leading and trailing spaces   "_qs,
    u"digits after accents: é5 ü0"_qs,
};

TEST(RtfWriter, DocumentIsAsciiWithTheFontAndOneParagraphPerLine) {
    const QByteArray rtf = WriteRtf(kTrickyLines);
    ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("MS Sans Serif"));
    EXPECT_TRUE(rtf.contains("\\fs16"));
    for (const char c : rtf) ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "8-bit byte in RTF";
    EXPECT_EQ(rtf.count("\\par\r\n"), kTrickyLines.size());
}

TEST(RtfWriter, EveryLineComesBackExactly) {
    const test::RtfText text = test::ReadRtfText(WriteRtf(kTrickyLines));
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    EXPECT_EQ(text.paragraphs, kTrickyLines);
}

TEST(RtfWriter, EscapesAndUnicodeAsWritten) {
    const struct {
        QString line;
        QByteArray body;
    } rows[] = {
        {"a\\b", "a\\\\b\\par"},
        {"{x}", "\\{x\\}\\par"},
        {"\tx", "\\tab x\\par"},
        {u"é"_qs, "\\u233?\\par"},
        {u"日"_qs, "\\u26085?\\par"},
        {u"\uFFFD"_qs, "\\u-3?\\par"},
        {u"🎉"_qs, "\\u-10180?\\u-8311?\\par"},
    };
    for (const auto& row : rows) {
        const QByteArray rtf = WriteRtf({row.line});
        EXPECT_TRUE(rtf.contains(row.body)) << rtf.toStdString();
    }
}

// The log's bytes go straight into the document; it must be the one its decoded lines give.
TEST(RtfWriter, FromTheLogsBytesAsFromItsLines) {
    const QByteArray logs[] = {
        "",
        "C:\\DL\\a.zip - {x}\there\r\n",
        "caf\xE9 - \x80\r\nlone LF\nlone CR\rlast without end",
        QByteArray("nul \0 and \x01 control\r\n\xC3\xA9 valid\r\n", 30),
    };
    for (const QByteArray& log : logs) {
        EXPECT_EQ(WriteRtfFromLog(log), WriteRtf(entry_log_detail::decodeLines(log)))
            << log.toStdString();
    }
}

TEST(RtfWriter, NoLinesIsADocumentWithoutText) {
    const QByteArray rtf = WriteRtf({});
    const test::RtfText text = test::ReadRtfText(rtf);
    ASSERT_TRUE(text.ok) << text.error.toStdString();
    EXPECT_TRUE(text.paragraphs.isEmpty());
    EXPECT_FALSE(rtf.contains("\\par\r\n"));
}

}  // namespace
}  // namespace kivra
