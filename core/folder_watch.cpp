#include "core/folder_watch.h"

#include "platform/directory_reader.h"

namespace kivra {

FolderWatch::FolderWatch(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(200);
    longest_.setSingleShot(true);
    longest_.setInterval(1000);
    connect(&watcher_, &platform::DirectoryWatch::changed, this, &FolderWatch::gather);
    connect(&watcher_, &platform::DirectoryWatch::renamed, this, &FolderWatch::renamed);
    connect(&quiet_, &QTimer::timeout, this, &FolderWatch::fire);
    connect(&longest_, &QTimer::timeout, this, &FolderWatch::fire);
}

void FolderWatch::watch(const QByteArray& native, bool writes) {
    // The same folder again (another order, F5): the changes gathered still count.
    if (native == native_ && platform::SendsChangeEvents(native)) {
        watcher_.watch(native, writes);
        return;
    }
    native_ = native;
    watcher_.clear();
    quiet_.stop();
    longest_.stop();
    names_.clear();
    all_ = false;
    if (platform::SendsChangeEvents(native)) watcher_.watch(native, writes);
}

void FolderWatch::gather(const QByteArrayList& names) {
    all_ = all_ || names.isEmpty();
    // Past this many names one read of the folder, off the window's thread, costs the window
    // less than looking at each.
    constexpr qsizetype kMostNames = 2'000;
    if (all_ || names_.size() > kMostNames)
        names_.clear();
    else
        for (const QByteArray& name : names) names_.insert(name);
    all_ = all_ || names_.isEmpty();
    quiet_.start();
    if (!longest_.isActive()) longest_.start();
}

void FolderWatch::fire() {
    quiet_.stop();
    longest_.stop();
    const QByteArrayList names =
        all_ ? QByteArrayList() : QByteArrayList(names_.begin(), names_.end());
    names_.clear();
    all_ = false;
    emit changed(names);
}

}  // namespace kivra
