#include <windows.h>

#include <QDirIterator>
#include <QFileInfo>

#include "platform/directory_reader.h"

namespace kivra::platform {

// Windows names are UTF-16 and always reach the file through QString.
std::optional<QList<DirectoryEntry>> ReadDirectory(const QByteArray& directory) {
    const QString path = QString::fromUtf8(directory);
    if (!IsReadableDirectory(directory)) return std::nullopt;
    QList<DirectoryEntry> entries;
    QDirIterator it(path, QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        entries.append({it.fileName().toUtf8(), it.fileInfo().isDir(), it.fileInfo().isHidden()});
    }
    return entries;
}

QByteArray CurrentDirectory() { return QDir::toNativeSeparators(QDir::currentPath()).toUtf8(); }

bool IsReadableDirectory(const QByteArray& directory) {
    const QFileInfo info(QString::fromUtf8(directory));
    return info.isDir() && info.isReadable();
}

bool IsHidden(const QByteArray& path) { return QFileInfo(QString::fromUtf8(path)).isHidden(); }

bool SendsChangeEvents(const QByteArray& directory) {
    // Shares tell a watcher little or nothing.
    const std::wstring root = QString::fromUtf8(directory.left(3)).toStdWString();
    return !directory.startsWith("\\\\") && GetDriveTypeW(root.c_str()) != DRIVE_REMOTE;
}

}  // namespace kivra::platform
