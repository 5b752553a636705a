#pragma once

#include <QByteArrayView>
#include <QString>

#include "platform/origin_attributes.h"

namespace kivra {

// Where a file came from and the comment other programs keep in it, ready to show: empty where
// there is none.
struct FileOrigin {
    QString address = {};   // cleaned by CleanAddress
    QString referrer = {};  // the page the address was linked from, cleaned likewise
    QString comment = {};   // one line: control characters made spaces
};

// An address as shown and inserted: white space and control characters dropped, and the user
// name and password before the host ("https://user:pw@host/a" gives "https://host/a") removed.
QString CleanAddress(QStringView address);

// HostUrl= and ReferrerUrl= of the [ZoneTransfer] section of a Zone.Identifier stream, cleaned.
FileOrigin ParseZoneIdentifier(QByteArrayView text);

// What the attributes read say, decoded: bytes that are not UTF-8 are replaced, a value over
// platform::kMaxOriginBytes is dropped.
FileOrigin DecodeOrigin(const platform::OriginAttributes& attributes);

inline FileOrigin ReadFileOrigin(const QByteArray& path) {
    return DecodeOrigin(platform::ReadOriginAttributes(path));
}

}  // namespace kivra
