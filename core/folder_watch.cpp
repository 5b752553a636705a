#include "core/folder_watch.h"

#include <QFile>

#include "platform/directory_reader.h"

namespace kivra {

FolderWatch::FolderWatch(QObject* parent) : QObject(parent) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(200);
    longest_.setSingleShot(true);
    longest_.setInterval(1000);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::gather);
    connect(&quiet_, &QTimer::timeout, this, &FolderWatch::fire);
    connect(&longest_, &QTimer::timeout, this, &FolderWatch::fire);
}

void FolderWatch::watch(const QByteArray& native) {
    if (const QStringList old = watcher_.directories(); !old.isEmpty()) watcher_.removePaths(old);
    quiet_.stop();
    longest_.stop();
#ifdef Q_OS_WIN
    const QString path = QString::fromUtf8(native);
#else
    // The watcher takes text: a name that does not survive the round trip cannot be given.
    const QString path = QFile::decodeName(native);
    if (QFile::encodeName(path) != native) return;
#endif
    if (platform::SendsChangeEvents(native)) watcher_.addPath(path);
}

void FolderWatch::gather() {
    quiet_.start();
    if (!longest_.isActive()) longest_.start();
}

void FolderWatch::fire() {
    quiet_.stop();
    longest_.stop();
    emit Changed();
}

}  // namespace kivra
