#include "core/file_origin.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "support/qt_printers.h"

namespace kivra {
namespace {

// Attributes as browsers, wget, curl and file managers leave them, or as a stranger's disk does:
// the address, the referrer and the comment shown.
TEST(FileOrigin, ShowsAddressesCleanAndBadBytesReplaced) {
    const std::pair<platform::OriginAttributes, QStringList> rows[] = {
        {{"https://ann:pw@example.org/a b\t.zip?at=@x", "http://p@q/"},
         {"https://example.org/ab.zip?at=@x", "http://q/", ""}},
        {{"ftp://host/caf\xE9\x01\xC2"}, {u"ftp://host/caf\uFFFD\uFFFD"_qs, "", ""}},
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

// Credentials in every form a browser reads the address, and the parameters that sign it.
TEST(FileOrigin, DropsCredentials) {
    const std::pair<QString, QString> rows[] = {
        {R"(https:\\alice:s3cret@host/x)", R"(https:\\host/x)"},
        {"https:alice:s3cret@host/x", "https:host/x"},
        {"//alice:s3cret@host/x", "//host/x"},
        {"HTTPS:/\\a:b@host?q=@", "HTTPS:/\\host?q=@"},
        {"https://@//a@b/", "https:////b/"},
        {"mailto:ann@example.org", "mailto:ann@example.org"},
        {"https://h/download.php?id=42&TOKEN=t&sig=s&X-Amz-Signature=a&x-goog-credential=g"
         "&Expires=1&Policy=p&Key-Pair-Id=k&access_token=a&key=k&auth=x&signature=y&v=2",
         "https://h/download.php?id=42&v=2"},
        {"https://h/f?%74oken=t#access_token=a&state=1", "https://h/f#state=1"},
        {"https://h/f?token=t", "https://h/f"},
        {"https://h/f?keyword=k&monkey=1", "https://h/f?keyword=k&monkey=1"},
    };
    for (const auto& [address, shown] : rows) {
        EXPECT_EQ(CleanAddress(address), shown) << address;
        EXPECT_EQ(CleanAddress(shown), shown);
    }
}

}  // namespace
}  // namespace kivra
