#include <dirent.h>
#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/directory_reader.h"

namespace kivra::platform {

std::optional<QList<DirectoryEntry>> ReadDirectory(const QByteArray& directory) {
    DIR* dir = opendir(directory.constData());
    if (!dir) return std::nullopt;
    QList<DirectoryEntry> entries;
    // One pass, the type from the entry itself: a stat only where the file system leaves the
    // type unknown or the entry is a link, which is listed as what it points to.
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        bool isDirectory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info;
            if (fstatat(dirfd(dir), entry->d_name, &info, 0) != 0) continue;
            if (!S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode)) continue;
            isDirectory = S_ISDIR(info.st_mode);
        } else if (entry->d_type != DT_DIR && entry->d_type != DT_REG) {
            continue;  // devices, sockets, pipes: nothing to describe
        }
        entries.append({QByteArray(entry->d_name), isDirectory});
    }
    closedir(dir);
    return entries;
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

}  // namespace kivra::platform
