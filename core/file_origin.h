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

// An address as shown and inserted: white space and control characters dropped, the user name
// and password before the host removed in every form a browser reads ("https://user:pw@host/a",
// "https:user:pw@host/a", "https:\\user:pw@host/a" and "//user:pw@host/a" give the host and path
// alone), and the query's and fragment's parameters that carry a credential or a signature
// (token, access_token, auth, key, sig, signature, Expires, Policy, Key-Pair-Id, X-Amz-*,
// X-Goog-* and a few like them, in any letter case) left out; other parameters stay.
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
