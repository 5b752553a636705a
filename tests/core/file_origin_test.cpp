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

}  // namespace
}  // namespace kivra
