#include "platform/mount_filter.h"

#include <QSet>
#include <algorithm>

namespace kivra::platform {

namespace {

// mountinfo writes space, tab, newline and backslash in paths as octal escapes ("\040").
QString unescape(QByteArrayView field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.sliced(i + 1, 3).toByteArray().toInt(&ok, 8);
            if (ok) {
                out.append(static_cast<char>(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

bool isNetwork(const QString& type) {
    static const QSet<QString> kTypes = {
        "nfs",       "nfs4", "cifs",  "smb3",  "smbfs",      "afs",         "ceph",
        "glusterfs", "9p",   "davfs", "ncpfs", "fuse.sshfs", "fuse.rclone", "fuse.davfs2"};
    return kTypes.contains(type);
}

bool isExcluded(const MountEntry& mount) {
    static const QSet<QString> kTypes = {"overlay", "squashfs", "tmpfs",  "devtmpfs",     "ramfs",
                                         "proc",    "sysfs",    "autofs", "fuse.snapfuse"};
    if (kTypes.contains(mount.type)) return true;
    for (const char* system : {"/proc", "/sys", "/dev"}) {
        const QLatin1StringView prefix(system);
        if (mount.target == prefix || mount.target.startsWith(prefix + u'/')) return true;
    }
    return false;
}

}  // namespace

QList<MountEntry> ParseMountInfo(QByteArrayView text) {
    QList<MountEntry> mounts;
    for (const QByteArray& line : text.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf("-");
        if (fields.size() < 5 || dash < 6 || dash + 2 >= fields.size()) continue;
        mounts.append({QString::fromLatin1(fields[2]), unescape(fields[3]), unescape(fields[4]),
                       unescape(fields[dash + 1]), unescape(fields[dash + 2])});
    }
    return mounts;
}

QList<Volume> OfferedVolumes(const QList<MountEntry>& mounts,
                             const QHash<QString, QString>& labels) {
    const auto volume = [&labels](const QString& target, const QString& source) {
        const QString label = labels.value(source);
        return Volume{target,
                      label.isEmpty() ? target : target + QStringLiteral(" [") + label + u']'};
    };
    QList<Volume> offered;
    QSet<QString> devices;
    const auto root = std::find_if(mounts.crbegin(), mounts.crend(),
                                   [](const MountEntry& m) { return m.target == u"/"; });
    if (root != mounts.crend()) {
        offered.append(volume(root->target, root->source));
        devices.insert(root->device);
    } else {
        offered.append({QStringLiteral("/"), QStringLiteral("/")});
    }
    // Whole file systems before binds of their folders, so a bind never hides the real mount.
    QList<MountEntry> rest;
    for (const MountEntry& m : mounts)
        if (m.target != u"/" && !isExcluded(m) &&
            (m.source.startsWith(u"/dev/") || isNetwork(m.type)))
            rest.append(m);
    std::stable_sort(rest.begin(), rest.end(), [](const MountEntry& a, const MountEntry& b) {
        return (a.root == u"/") > (b.root == u"/");
    });
    QList<Volume> others;
    for (const MountEntry& m : rest) {
        if (devices.contains(m.device)) continue;
        devices.insert(m.device);
        others.append(volume(m.target, m.source));
    }
    std::sort(others.begin(), others.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return offered + others;
}

}  // namespace kivra::platform
