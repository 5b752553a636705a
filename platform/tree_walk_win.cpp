#include <windows.h>

#include <vector>

#include "platform/tree_walk.h"

namespace kivra::platform {

void TreeWalk::walk(const QByteArray& root, const std::function<void(const Item&)>& visit,
                    const std::atomic<bool>& stop, std::atomic<int>& entered) {
    std::vector<QByteArray> todo{root};
    while (!todo.empty() && !stop.load(std::memory_order_relaxed)) {
        const QByteArray folder = std::move(todo.back());
        todo.pop_back();
        // Junctions and links are never entered, so a folder's path names it once.
        const QByteArray id = QString::fromUtf8(folder).toCaseFolded().toUtf8();
        if (seen_.contains(id)) continue;
        const QByteArray prefix = folder.endsWith('\\') ? folder : folder + '\\';
        const std::wstring pattern = QString::fromUtf8(prefix + '*').toStdWString();
        WIN32_FIND_DATAW found;
        const HANDLE handle =
            FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (handle == INVALID_HANDLE_VALUE) continue;
        seen_.insert(id);
        entered.fetch_add(1, std::memory_order_relaxed);
        do {
            const QByteArray name = QString::fromWCharArray(found.cFileName).toUtf8();
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
            const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            visit({folder, name, isFolder});
            if (isFolder) todo.push_back(prefix + name);
        } while (FindNextFileW(handle, &found));
        FindClose(handle);
    }
}

}  // namespace kivra::platform
