#include <QFileSystemWatcher>

#include "platform/directory_watch.h"

namespace kivra::platform {

// Qt's watcher names no file on Windows: each change asks for the folder to be read again, and
// a file growing is seen at the next change or F5.
struct DirectoryWatch::State {
    QFileSystemWatcher watcher;
};

DirectoryWatch::DirectoryWatch(QObject* parent)
    : QObject(parent), state_(std::make_unique<State>()) {
    connect(&state_->watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { emit changed({}); });
}

DirectoryWatch::~DirectoryWatch() = default;

bool DirectoryWatch::watch(const QByteArray& native, bool) {
    clear();
    return state_->watcher.addPath(QString::fromUtf8(native));
}

void DirectoryWatch::clear() {
    if (const QStringList old = state_->watcher.directories(); !old.isEmpty())
        state_->watcher.removePaths(old);
}

}  // namespace kivra::platform
