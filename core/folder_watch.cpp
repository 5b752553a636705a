#include "core/folder_watch.h"

#include "platform/directory_reader.h"

namespace kivra {

FolderWatch::FolderWatch(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(200);
    longest_.setSingleShot(true);
    longest_.setInterval(1000);
    connect(&watcher_, &platform::DirectoryWatch::changed, this, &FolderWatch::gather);
    connect(&quiet_, &QTimer::timeout, this, &FolderWatch::fire);
    connect(&longest_, &QTimer::timeout, this, &FolderWatch::fire);
}

void FolderWatch::watch(const QByteArray& native) {
    watcher_.clear();
    quiet_.stop();
    longest_.stop();
    if (platform::SendsChangeEvents(native)) watcher_.watch(native);
}

void FolderWatch::gather() {
    quiet_.start();
    if (!longest_.isActive()) longest_.start();
}

void FolderWatch::fire() {
    quiet_.stop();
    longest_.stop();
    emit changed();
}

}  // namespace kivra
