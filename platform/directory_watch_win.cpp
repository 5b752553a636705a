#include <QFileSystemWatcher>

#include "platform/directory_watch.h"

namespace kivra::platform {

// Windows reports what the lists need through Qt's watcher; names are UTF-8 there.
struct DirectoryWatch::State {
    QFileSystemWatcher watcher;
};

DirectoryWatch::DirectoryWatch(QObject* parent)
    : QObject(parent), state_(std::make_unique<State>()) {
    connect(&state_->watcher, &QFileSystemWatcher::directoryChanged, this,
            &DirectoryWatch::changed);
}

DirectoryWatch::~DirectoryWatch() = default;

bool DirectoryWatch::watch(const QByteArray& native) {
    clear();
    return state_->watcher.addPath(QString::fromUtf8(native));
}

void DirectoryWatch::clear() {
    if (const QStringList old = state_->watcher.directories(); !old.isEmpty())
        state_->watcher.removePaths(old);
}

}  // namespace kivra::platform
