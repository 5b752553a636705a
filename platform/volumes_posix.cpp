#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "platform/mount_filter.h"
#include "platform/volumes.h"

namespace kivra::platform {

QString detail::UnescapeLabel(const QString& name) {
    QByteArray out = name.toUtf8();
    for (qsizetype i = out.indexOf("\\x"); i >= 0; i = out.indexOf("\\x", i + 1)) {
        bool ok = false;
        const int code = out.mid(i + 2, 2).toInt(&ok, 16);
        if (ok) out.replace(i, 4, QByteArray(1, static_cast<char>(code)));
    }
    return QString::fromUtf8(out);
}

namespace {

// Device path → label, from the links udev keeps.
QHash<QString, QString> deviceLabels() {
    QHash<QString, QString> labels;
    QDirIterator it(QStringLiteral("/dev/disk/by-label"), QDir::Files | QDir::System);
    while (it.hasNext()) {
        it.next();
        labels.insert(it.fileInfo().canonicalFilePath(), detail::UnescapeLabel(it.fileName()));
    }
    return labels;
}

}  // namespace

QList<Volume> ListVolumes() {
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    QList<MountEntry> mounts;
    if (file.open(QIODevice::ReadOnly)) mounts = ParseMountInfo(file.readAll());
    const QHash<QString, QString> labels = deviceLabels();
    QList<MountEntry> usable;
    for (MountEntry& mount : mounts) {
        // A bind of a single file is no place to browse.
        if (!QFileInfo(mount.target).isDir()) continue;
        if (mount.source.startsWith(u"/dev/")) {
            const QString device = QFileInfo(mount.source).canonicalFilePath();
            if (!device.isEmpty()) mount.source = device;
        }
        usable.append(mount);
    }
    return OfferedVolumes(usable, labels);
}

}  // namespace kivra::platform
