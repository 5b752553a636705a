#include <windows.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "platform/directory_reader.h"

namespace kivra::platform {

// Windows names are UTF-16 and always reach the file through QString.
bool ReadDirectory(const QByteArray& directory,
                   const std::function<void(const DirectoryEntryView&)>& visit, EntryTimes times) {
    const QString path = QString::fromUtf8(directory);
    if (!IsReadableDirectory(directory)) return false;
    QDirIterator it(path, QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QByteArray name = it.fileName().toUtf8();
        const qint64 modified = times == EntryTimes::Read
                                    ? it.fileInfo().lastModified().toMSecsSinceEpoch() * 1'000'000
                                    : 0;
        visit({name, it.fileInfo().isDir(), it.fileInfo().isHidden(), modified});
    }
    return true;
}

// NTFS gives a folder no size.
qint64 DirectorySize(const QByteArray&) { return 0; }

std::optional<DirectoryEntryView> ReadEntry(const QByteArray& directory, QByteArrayView name) {
    const QFileInfo info(QDir(QString::fromUtf8(directory)).filePath(QString::fromUtf8(name)));
    if (!info.exists() || (!info.isDir() && !info.isFile())) return std::nullopt;
    return DirectoryEntryView{name, info.isDir(), info.isHidden(),
                              info.lastModified().toMSecsSinceEpoch() * 1'000'000};
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
