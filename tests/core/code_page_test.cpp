#include "core/code_page.h"

#include <gtest/gtest.h>

#include <QStringEncoder>
#include <QTemporaryDir>

#include "core/note_import.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

const QString kRussian = u"отчёт.txt основная часть VPSysLow\nпрочти.txt Прочти меня первым"_qs;
const QString kGerman = u"größe.doc Größere Übersicht für Änderungen\nliesmich Schöne Grüße"_qs;

// Files from other systems, written in their own code page: detected where ICU or the script of
// their letters tells, and each line entered as the UTF-8 text a reader expects.
TEST(CodePage, EachFileIsReadInItsOwnCodePage) {
    const struct {
        const char* codePage;  // the file's
        QString text;          // "name description" lines
        const char* detected;
        bool guessed;
        QByteArray bom = {};
    } rows[] = {
        {"CP866", kRussian, "CP866", true},
        {"windows-1251", kRussian, "windows-1251", true},
        {"CP850", kGerman, "CP850", true},
        {"windows-1252", kGerman, "ISO-8859-1", false},
        {"CP852", u"zpráva.txt Příliš žluťoučký kůň úpěl ďábelské ódy"_qs, "CP852", true},
        {"GBK", u"AHK安装 安装程序和说明文件\nreadme.txt 请先阅读本文件"_qs, "GB18030", false},
        {"Shift_JIS", u"setup.exe インストール\nreadme 最初にお読みください"_qs, "Shift_JIS",
         false},
        {"UTF-8", kGerman, kUtf8, false, "\xEF\xBB\xBF"},
        {"UTF-8", kRussian, kUtf8, false},
        {"UTF-8", "plain.txt ASCII only", kAscii, false},
    };
    QTemporaryDir folder;
    const QString path = folder.filePath("DESCRIPT.ION");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.codePage);
        ASSERT_TRUE(test::WriteFile(path, row.bom + QStringEncoder(row.codePage).encode(row.text)));
        const ImportPlan plan = PlanImport({path}, {}, {});
        EXPECT_EQ(std::pair(plan.files[0].codePage.name, plan.files[0].codePage.guessed),
                  std::pair(QByteArray(row.detected), row.guessed));
        QStringList expected = row.text.split(u'\n');
        for (QString& line : expected)
            line = folder.filePath(line.replace(line.indexOf(u' '), 1, " - "));
        EXPECT_EQ(plan.files[0].entries, expected);
    }
}

// A log from other machines: its UTF-8 lines stay, the one line in another code page among
// hundreds of ASCII is read in the code page detected for it, or in the one chosen.
TEST(CodePage, ALogKeepsItsUtf8LinesAndReadsTheRestInTheCodePageChosen) {
    const QString russian = "/x/y - " + kRussian.section(u'\n', 0, 0);
    const QByteArray oem = QStringEncoder("CP866").encode(russian);
    QByteArray bytes;
    for (int i = 0; i < 300; ++i) bytes += "/x/" + QByteArray::number(i) + " - ascii\r\n";
    bytes += u"/x/é - naïve\r\n"_qs.toUtf8() + oem;
    QTemporaryDir folder;
    const QString path = folder.filePath("KVtemp.dat");
    ASSERT_TRUE(test::WriteFile(path, bytes));
    const ImportPlan detected = PlanImport({path}, {}, {});
    EXPECT_EQ(detected.files[0].codePage.name, "CP866");
    EXPECT_EQ(detected.entries().mid(300), QStringList({u"/x/é - naïve"_qs, russian}));
    const ImportPlan chosen = PlanImport({path}, {}, {}, {{path, "KOI8-R"}});
    EXPECT_EQ(chosen.entries().last(), QString(QStringDecoder("KOI8-R").decode(oem)));
}

}  // namespace
}  // namespace kivra
