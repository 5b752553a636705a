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
// used; one Thunar could not read is left as it is, and the Nautilus script is written anyway.
TEST(FileManagerMenus, ThunarActionsAreMergedOnceAndAnUnreadableFileIsLeftAlone) {
    const QString program = "/opt/it's here/kivra32";
    const struct {
        QByteArray existing;
        qsizetype actions;  // after, or 0: left alone
    } cases[] = {
        {kTwoOwn, 3}, {"", 1}, {"<actions/>", 1}, {"<actions><action>", 0}, {"<menu></menu>", 0}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.existing.constData());
        const test::TempLogDir home;
        const QString uca = home.path() + "/config/Thunar/uca.xml";
        ASSERT_TRUE(QDir().mkpath(home.path() + "/config/Thunar"));
        ASSERT_TRUE(row.existing.isEmpty() || test::WriteFile(uca, row.existing));
        MenuFiles first =
            AddFileManagerMenus(home.path() + "/data", home.path() + "/config", program);
        const QByteArray after = test::FileBytes(uca);
        const MenuFiles second =
            AddFileManagerMenus(home.path() + "/data", home.path() + "/config", program);
        EXPECT_EQ(test::FileBytes(uca), after) << "a second run changes nothing";
        const QString script = home.path() + "/data/nautilus/scripts/Describe with Kivra32";
        EXPECT_TRUE(QFileInfo(script).isExecutable());
        if (row.actions == 0) {
            EXPECT_EQ(after, row.existing);
            ASSERT_EQ(first.failures.size(), 1);
            EXPECT_TRUE(first.failures[0].message.contains(uca))
                << first.failures[0].message.toStdString();
            EXPECT_EQ(first.written, QStringList{script});
            continue;
        }
        EXPECT_EQ(first.written, QStringList({script, uca}));
        EXPECT_EQ(second.present, first.written);
        EXPECT_EQ(after.count("<action>"), row.actions);
        for (const char* own : {"exo-open --working-directory %f", "<![CDATA[sha256sum %F]]>",
                                "<!-- a note of the user's -->", "Checksum &amp; size"})
            EXPECT_EQ(after.contains(own), row.existing.contains(own)) << own;
        EXPECT_TRUE(after.contains("<command>'/opt/it'\\''s here/kivra32' %f</command>"));
        EXPECT_GT(after.indexOf("org.example.kivra32"), after.lastIndexOf("Checksum"));
    }
}

// The script as Nautilus runs it: the first path of its list, whole, or its first argument.
TEST(FileManagerMenus, TheNautilusScriptPassesTheFirstPathSelected) {
    const test::TempLogDir dir;
    const QString script = dir.path() + "/script";
    ASSERT_TRUE(test::WriteFile(script, NautilusScript("/bin/echo")));
    for (const auto& [list, argument, expected] :
         {std::tuple{"/a b/it's \"x\".txt\n/other\n", "", "-- /a b/it's \"x\".txt\n"},
          {"", "name", "-- name\n"}}) {
        QProcess sh;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS", list);
        sh.setProcessEnvironment(env);
        sh.start("/bin/sh", {script, argument});
        ASSERT_TRUE(sh.waitForFinished());
        EXPECT_EQ(sh.readAllStandardOutput(), expected);
    }
}

}  // namespace
}  // namespace kivra
