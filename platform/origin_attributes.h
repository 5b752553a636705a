#pragma once

#include <QByteArray>
#include <QString>

#include "platform/result.h"

namespace kivra::platform {

// What the system keeps about where a file came from, as raw bytes: on Linux and the BSDs the
// freedesktop extended attributes browsers, wget --xattr and curl --xattr set, and the comment
// file managers keep; on Windows the Zone.Identifier stream browsers write, whole. Each is empty
// where missing, unreadable or longer than kMaxOriginBytes.
struct OriginAttributes {
    QByteArray originUrl = {};       // user.xdg.origin.url
    QByteArray referrerUrl = {};     // user.xdg.referrer.url
    QByteArray comment = {};         // user.xdg.comment
    QByteArray zoneIdentifier = {};  // path:Zone.Identifier
};

constexpr qsizetype kMaxOriginBytes = 8 * 1024;

// A few system calls; never waits on the file's contents and never fails aloud.
OriginAttributes ReadOriginAttributes(const QByteArray& path);

// Whether this system keeps comments in files at all.
#ifdef Q_OS_WIN
constexpr bool kFileComments = false;
#else
constexpr bool kFileComments = true;
#endif

// Sets the item's user.xdg.comment: only on the user's own file or folder, never through a link.
// A failure in the system's words, or why the item was left alone.
Result<void> WriteFileComment(const QByteArray& path, const QByteArray& comment);

}  // namespace kivra::platform
