#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/tree_walk.h"

namespace kivra::platform {

void TreeWalk::walk(const QByteArray& root, const std::function<void(const Item&)>& visit,
                    const std::atomic<bool>& stop, std::atomic<int>& entered) {
    std::vector<QByteArray> todo{root};
    const uid_t self = geteuid();
    while (!todo.empty() && !stop.load(std::memory_order_relaxed)) {
        const QByteArray folder = std::move(todo.back());
        todo.pop_back();
        const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info;
        DIR* dir = fstat(fd, &info) == 0 ? fdopendir(fd) : nullptr;
        if (!dir) {
            close(fd);
            continue;
        }
        const QByteArray id = QByteArray::number(quint64(info.st_dev)) + ':' +
                              QByteArray::number(quint64(info.st_ino));
        // Root reads every folder: one closed to others stays closed to a search of another user.
        const bool closed = info.st_uid != self && (info.st_mode & S_IROTH) == 0;
        if (closed || seen_.contains(id)) {
            closedir(dir);
            continue;
        }
        seen_.insert(id);
        entered.fetch_add(1, std::memory_order_relaxed);
        const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
        while (const dirent* entry = readdir(dir)) {
            const char* name = entry->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0))) continue;
            bool isFolder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_UNKNOWN) {
                struct stat item;
                if (fstatat(dirfd(dir), name, &item, AT_SYMLINK_NOFOLLOW) != 0) continue;
                if (S_ISLNK(item.st_mode)) continue;
                isFolder = S_ISDIR(item.st_mode);
            } else if (entry->d_type == DT_LNK) {
                continue;
            }
            const QByteArrayView bytes(name, qstrlen(name));
            visit({folder, bytes, isFolder});
            if (isFolder) todo.push_back(prefix + bytes.toByteArray());
        }
        closedir(dir);
    }
}

}  // namespace kivra::platform
