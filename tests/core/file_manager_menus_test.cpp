#include "core/file_manager_menus.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

constexpr char kTwoOwn[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<actions>
<action><name>Open Terminal Here</name><unique-id>1386510454533427-1</unique-id>
<command>exo-open --working-directory %f</command><directories/></action>
<!-- a note of the user's -->
<action><name>Checksum &amp; size</name><unique-id>2</unique-id>
<command><![CDATA[sha256sum %F]]></command><other-files/></action>
</actions>
)";

// A Thunar file of the user's: its own actions kept, ours added once however often the item is
// used (actions after: 0 for a file left alone); the Nautilus script is written in any case and
// starts the program with the first path of its list, whole.
TEST(FileManagerMenus, ThunarActionsAreMergedOnceAndAnUnreadableFileIsLeftAlone) {
    const test::TempLogDir bin;
    const QString program = bin.path() + "/it's echo";
    ASSERT_TRUE(QFile::link("/bin/echo", program));
    for (const auto& [existing, actions] : {std::pair<QByteArray, int>{kTwoOwn, 3},
                                            {"", 1},
                                            {"<actions/>", 1},
                                            {"<actions><action>", 0},
                                            {"<menu></menu>", 0}}) {
        SCOPED_TRACE(existing.constData());
        const test::TempLogDir home;
        const QString uca = home.path() + "/config/Thunar/uca.xml";
        ASSERT_TRUE(QDir().mkpath(home.path() + "/config/Thunar"));
        ASSERT_TRUE(existing.isEmpty() || test::WriteFile(uca, existing));
        const auto add = [&] {
            return AddFileManagerMenus(home.path() + "/data", home.path() + "/config", program);
        };
        const MenuFiles first = add();
        const QByteArray after = test::FileBytes(uca);
        const MenuFiles second = add();
        EXPECT_EQ(test::FileBytes(uca), after) << "a second run changes nothing";
        const QString script = home.path() + "/data/nautilus/scripts/Describe with Kivra32";
        QProcess sh;
        sh.setEnvironment(QProcess::systemEnvironment()
                          << "NAUTILUS_SCRIPT_SELECTED_FILE_PATHS=/a b/it's \"x\".txt\n/other");
        sh.start(script, {});
        ASSERT_TRUE(sh.waitForFinished());
        EXPECT_EQ(sh.readAllStandardOutput(), "-- /a b/it's \"x\".txt\n");
        EXPECT_EQ(first.written, actions ? QStringList({script, uca}) : QStringList{script});
        if (actions == 0) {
            EXPECT_EQ(after, existing);
            ASSERT_EQ(first.failures.size(), 1);
            EXPECT_TRUE(first.failures[0].message.startsWith(uca + " was left as it was: "));
            continue;
        }
        EXPECT_EQ(second.present, first.written);
        EXPECT_EQ(after.count("<action>"), actions);
        for (const char* own : {"exo-open --working-directory %f", "<![CDATA[sha256sum %F]]>",
                                "<!-- a note of the user's -->", "Checksum &amp; size"})
            EXPECT_EQ(after.contains(own), existing.contains(own)) << own;
        EXPECT_TRUE(after.contains(
            ("<command>'" + QString(program).replace("'", "'\\''") + "' %f</command>").toUtf8()));
        EXPECT_GT(after.indexOf("org.example.kivra32"), after.lastIndexOf("Checksum"));
    }
}

}  // namespace
}  // namespace kivra
