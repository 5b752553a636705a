#include <QDirIterator>
#include <QFileInfo>

#include "platform/directory_reader.h"

namespace kivra::platform {

// Windows names are UTF-16 and always reach the file through QString.
std::optional<QList<DirectoryEntry>> ReadDirectory(const QByteArray& directory) {
    const QString path = QString::fromUtf8(directory);
    if (!IsReadableDirectory(directory)) return std::nullopt;
    QList<DirectoryEntry> entries;
    QDirIterator it(path, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        entries.append({it.fileName().toUtf8(), it.fileInfo().isDir()});
    }
    return entries;
}

QByteArray CurrentDirectory() { return QDir::toNativeSeparators(QDir::currentPath()).toUtf8(); }

bool IsReadableDirectory(const QByteArray& directory) {
    const QFileInfo info(QString::fromUtf8(directory));
    return info.isDir() && info.isReadable();
}

}  // namespace kivra::platform
