#include "core/file_origin.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStringList>
#include <QTemporaryDir>

#include "support/qt_printers.h"
#include "support/temp_log_dir.h"

namespace kivra {
namespace {

// Attributes as browsers, wget, curl and file managers leave them, or as a stranger's disk does:
// the address, the referrer and the comment shown, without what would let others fetch the file.
TEST(FileOrigin, ShowsAddressesCleanAndBadBytesReplaced) {
    const std::pair<platform::OriginAttributes, QStringList> rows[] = {
        {{"https://ann:pw@example.org/a b\t.zip?at=@x", "http://p@q/"},
         {"https://example.org/ab.zip?at=@x", "http://q/", ""}},
        {{"ftp://host/caf\xE9\x01\xC2"}, {u"ftp://host/caf\uFFFD\uFFFD"_qs, "", ""}},
        // Credentials in every form a browser reads, and the parameters that sign an address.
        {{R"(https:\\alice:s3cret@host/x?id=42&TOKEN=t&X-Amz-Signature=a#access_token=a&s=1)",
          "//alice:s3cret@host/x?q=@"},
         {R"(https:\\host/x?id=42#s=1)", "//host/x?q=@", ""}},
        {{"https:a:b@h/f?%74oken=t&keyword=k&sig=s&Expires=1&Policy=p&Key-Pair-Id=k",
          "https://@//a@b/?x-goog-credential=g"},
         {"https:h/f?keyword=k", "https:////b/", ""}},
        {{QByteArray(platform::kMaxOriginBytes + 1, 'x')}, {"", "", ""}},
        {{.comment = "one\ntwo\x7F three "}, {"", "", "one two  three"}},
        {{.zoneIdentifier = "[Other]\r\nHostUrl=http://no/\r\n[zonetransfer]\r\nZoneId=3\r\n"
                            "ReferrerUrl=https://p/\r\n hosturl = https://a:b@h/f"},
         {"https://h/f", "https://p/", ""}},
    };
    for (const auto& [read, shown] : rows) {
        const FileOrigin origin = DecodeOrigin(read);
        EXPECT_EQ(QStringList({origin.address, origin.referrer, origin.comment}), shown);
    }
}

// A note goes only into the user's own file, never through a link: each row names the item
// written, the note, and the first words of the refusal ("" where it is written).
TEST(FileComment, OnlyIntoTheUsersOwnItems) {
    if (geteuid() != 0) GTEST_SKIP() << "giving files to another user needs root";
    QTemporaryDir top;
    const QString own = top.filePath("own"), others = top.filePath("others");
    test::WriteFile(own, "mine"), test::WriteFile(others, "theirs");
    chown(QFile::encodeName(others), 65534, 65534), chmod(QFile::encodeName(others), 0666);
    QFile::link(others, top.filePath("to others"));
    const std::tuple<const char*, QByteArray, const char*> rows[] = {
        {"own", "kept", ""},
        {"to others", "stolen", "it is a link"},
        {"others", "stolen", "it belongs to another user (nobody)"},
        {"own", QByteArray(8000, 'x'), "it is too long to keep in the file; the log has it"},
    };
    for (const auto& [name, note, says] : rows)
        EXPECT_EQ(
            test::Said(platform::WriteFileComment(QFile::encodeName(top.filePath(name)), note)),
            says);
    EXPECT_EQ(platform::ReadOriginAttributes(QFile::encodeName(own)).comment, "kept");
    EXPECT_EQ(platform::ReadOriginAttributes(QFile::encodeName(others)).comment, "");
}

}  // namespace
}  // namespace kivra
