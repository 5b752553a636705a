#include <QDir>
#include <QStorageInfo>
#include <algorithm>

#include "platform/volumes.h"

namespace kivra::platform {

namespace {

// Kernel and service file systems: nothing a user keeps files on.
bool isPseudo(const QStorageInfo& volume) {
    static const QList<QByteArray> kTypes = {
        "proc",  "sysfs",     "devpts",  "devtmpfs", "cgroup",   "cgroup2", "securityfs",
        "debugfs", "tracefs", "pstore",  "bpf",      "mqueue",   "hugetlbfs", "configfs",
        "fusectl", "autofs",  "binfmt_misc", "nsfs", "rpc_pipefs", "efivarfs", "ramfs",
        "selinuxfs", "squashfs"};
    if (kTypes.contains(volume.fileSystemType())) return true;
    const QString root = volume.rootPath();
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run"}) {
        const QString p = QString::fromLatin1(prefix);
        if (root == p || root.startsWith(p + u'/')) return true;
    }
    return false;
}

}  // namespace

QList<Volume> ListVolumes() {
    QList<Volume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes()) {
        if (!info.isValid() || isPseudo(info)) continue;
        const QString root = info.rootPath();
        if (std::any_of(volumes.cbegin(), volumes.cend(),
                        [&](const Volume& v) { return v.root == root; }))
            continue;
        const QString name = info.displayName();
        volumes.append({root, name == root || name.isEmpty() ? root : root + " [" + name + "]"});
    }
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) {
        if ((a.root == u"/") != (b.root == u"/")) return a.root == u"/";
        return a.root < b.root;
    });
    if (volumes.isEmpty()) volumes.append({QStringLiteral("/"), QStringLiteral("/")});
    return volumes;
}

QString VolumeRootOf(const QString& path) {
    const QStorageInfo info(path);
    return info.isValid() ? info.rootPath() : QStringLiteral("/");
}

}  // namespace kivra::platform
