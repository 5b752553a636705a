#include <dirent.h>
#include <errno.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include "platform/directory_reader.h"

namespace kivra::platform {

bool ReadDirectory(const QByteArray& directory,
                   const std::function<void(const DirectoryEntryView&)>& visit, EntryTimes times) {
    DIR* dir = opendir(directory.constData());
    if (!dir) return false;
    // One pass, the type from the entry itself: a stat only where the file system leaves the
    // type unknown or the entry is a link, which is listed as what it points to, or the times are
    // asked for.
    while (const dirent* entry = readdir(dir)) {
        const bool hidden = entry->d_name[0] == '.';
        if (hidden && (entry->d_name[1] == 0 || (entry->d_name[1] == '.' && entry->d_name[2] == 0)))
            continue;
        const bool linkOrUnknown = entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK;
        if (!linkOrUnknown && entry->d_type != DT_DIR && entry->d_type != DT_REG)
            continue;  // devices, sockets, pipes: nothing to describe
        bool isDirectory = entry->d_type == DT_DIR;
        qint64 modified = 0;
        if (linkOrUnknown || times == EntryTimes::Read) {
            struct stat info;
            if (fstatat(dirfd(dir), entry->d_name, &info, 0) != 0) continue;
            if (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode)) continue;
            isDirectory = S_ISDIR(info.st_mode);
            if (times == EntryTimes::Read)
                modified = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
        }
        visit(
            {QByteArrayView(entry->d_name, qstrlen(entry->d_name)), isDirectory, hidden, modified});
    }
    closedir(dir);
    return true;
}

qint64 DirectorySize(const QByteArray& directory) {
    struct stat info;
    return stat(directory.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? info.st_size : 0;
}

std::optional<DirectoryEntryView> ReadEntry(const QByteArray& directory, QByteArrayView name) {
    const QByteArray path = directory + '/' + name.toByteArray();
    struct stat info;
    if (stat(path.constData(), &info) != 0 || (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode)))
        return std::nullopt;
    return DirectoryEntryView{name, S_ISDIR(info.st_mode), name.startsWith('.'),
                              qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

QByteArray CurrentDirectory() {
    // Read as bytes: QDir::currentPath() loses a name that is not valid UTF-8.
    QByteArray path(4096, Qt::Uninitialized);
    while (!getcwd(path.data(), path.size())) {
        if (errno != ERANGE) return {};
        path.resize(path.size() * 2);
    }
    path.truncate(qstrlen(path.constData()));
    return path;
}

bool IsReadableDirectory(const QByteArray& directory) {
    struct stat info;
    return stat(directory.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           access(directory.constData(), R_OK | X_OK) == 0;
}

bool IsHidden(const QByteArray& path) {
    QByteArray name = path;
    while (name.endsWith('/')) name.chop(1);
    return name.mid(name.lastIndexOf('/') + 1).startsWith('.');
}

bool SendsChangeEvents(const QByteArray& directory) {
    struct statfs info;
    if (statfs(directory.constData(), &info) != 0) return false;
    switch (static_cast<unsigned long>(info.f_type)) {
        case 0x6969:      // NFS
        case 0x517B:      // SMB
        case 0xFF534D42:  // CIFS
        case 0xFE534D42:  // SMB2
        case 0x65735546:  // FUSE
        case 0x01021997:  // 9P
        case 0x5346414F:  // AFS
        case 0x00C36400:  // Ceph
        case 0x73757245:  // Coda
            return false;
        default:
            return true;
    }
}

}  // namespace kivra::platform
