#pragma once

#include <QList>
#include <QString>

namespace kivra::platform {

// A place the drive list offers: a drive letter on Windows, a mounted volume elsewhere.
struct Volume {
    QString root;   // native, with its trailing separator: "C:\", "/", "/media/usb"
    QString label;  // what the list shows
};

// The local drives or volumes, in the order the drive list shows them.
QList<Volume> ListVolumes();

}  // namespace kivra::platform
