#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "core/rtf_writer.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

// LibreOffice, a real RTF reader, turns the export back into UTF-8 text (with a byte-order mark
// and LF line ends), which must be the lines we wrote.
TEST(RtfReadByLibreOffice, GivesBackEveryLine) {
    const QStringList lines = {
        u"C:\\DL\\a.zip - setup of the scanner"_qs,
        u"C:\\{braces}\\x - \\par is text here"_qs,
        u"tab\there - between words"_qs,
        u"C:\\Müll\\Ärger - naïve café"_qs,
        u"/home/ユーザー - 日本語のメモ"_qs,
        u"emoji 🎉 - beyond the BMP"_qs,
    };
    QTemporaryDir dir;
    const QString rtfPath = dir.filePath("export.rtf");
    ASSERT_TRUE(test::WriteFile(rtfPath, WriteRtf(lines)));

    QProcess soffice;
    soffice.start(
        QStringLiteral(KIVRA_SOFFICE),
        {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--convert-to",
         "txt:Text (encoded):UTF8", "--outdir", dir.filePath("out"), rtfPath});
    ASSERT_TRUE(soffice.waitForFinished(240000)) << "soffice did not finish";
    ASSERT_EQ(soffice.exitCode(), 0) << soffice.readAllStandardError().toStdString();

    QString back = QString::fromUtf8(test::FileBytes(dir.filePath("out/export.txt")));
    if (back.startsWith(QChar(0xFEFF))) back.remove(0, 1);
    QStringList paragraphs = back.split(u'\n');
    while (!paragraphs.isEmpty() && paragraphs.last().isEmpty()) paragraphs.removeLast();
    EXPECT_EQ(paragraphs, lines);
}

}  // namespace
}  // namespace kivra
