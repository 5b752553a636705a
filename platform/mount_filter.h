#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include "platform/volumes.h"

namespace kivra::platform {

// One line of /proc/self/mountinfo, the parts the drive list needs.
struct MountEntry {
    QString device;  // "major:minor"; two mounts of one file system share it
    QString root;    // the folder of that file system mounted here: "/" unless a bind
    QString target;  // where it is mounted
    QString type;    // "ext4", "nfs4", "overlay"
    QString source;  // "/dev/sdb1", "server:/export", "overlay"
};

// By hand: QStorageInfo gives no mount's root, which tells a bind from its file system.
QList<MountEntry> ParseMountInfo(QByteArrayView text);

// What a file manager offers: "/" first, whatever its file system; then the file systems on
// block devices and the network file systems, each once, with its label from `labels` (by
// source) where it has one. Overlays, snaps, memory and kernel file systems are never offered,
// nor a second mount of a file system already offered.
QList<Volume> OfferedVolumes(const QList<MountEntry>& mounts,
                             const QHash<QString, QString>& labels);

namespace detail {
// A label as udev names its link in /dev/disk/by-label, each unusual byte written "\x20". Used by
// ListVolumes; declared here for its fuzzer.
QString UnescapeLabel(const QString& name);
}  // namespace detail

}  // namespace kivra::platform
