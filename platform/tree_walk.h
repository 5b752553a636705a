#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <atomic>
#include <functional>

namespace kivra::platform {

// Walks folder trees for items by name, every folder once: a folder reached again (a bind mount,
// a second root inside the first) is not entered again, and no link is followed, so a loop ends.
// Folders that cannot be read, and other users' folders closed to others, are passed over
// silently. One walk may cover several roots; what one entered, the next does not enter again.
class TreeWalk {
public:
    struct Item {
        QByteArrayView folder;  // native bytes, no trailing separator but at the root
        QByteArrayView name;
        bool isFolder = false;
    };

    // Calls `visit` for each file and folder under `root` (native bytes), until `stop` is set;
    // `entered` counts the folders read.
    void walk(const QByteArray& root, const std::function<void(const Item&)>& visit,
              const std::atomic<bool>& stop, std::atomic<int>& entered);

private:
    // Device and file number, or on Windows the folder's path folded.
    QSet<QByteArray> seen_;
};

}  // namespace kivra::platform
