#pragma once

#include <QList>
#include <QString>

namespace kivra::platform {

// A place the drive list offers: a drive letter on Windows, a mounted volume or one of the
// user's folders elsewhere.
struct Volume {
    enum class Kind { Drive, Home, Folder };
    QString root;   // native, a drive's with its trailing separator: "C:\", "/", "/media/usb"
    QString label;  // what the list shows
    Kind kind = Kind::Drive;
};

// The local drives or volumes, in the order the drive list shows them.
QList<Volume> ListVolumes();

// What the drive list offers above the volumes (none on Windows, which keeps its drive letters):
// "Home", then the user's Desktop, Documents, Downloads, Music, Pictures and Videos folders
// that exist, each by its own name, leaving out one equal to Home or to an earlier one.
QList<Volume> UserPlaces();

}  // namespace kivra::platform
