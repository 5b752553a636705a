#pragma once

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QTimer>

#include "platform/directory_watch.h"

namespace kivra {

// Tells which names of the folder watched changed on disk: changes are gathered until 200 ms
// after the last, at most 1 s after the first, then changed fires once, so a burst of thousands
// of files is one update and a file being written is seen at most once a second.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QObject* parent = nullptr);

    // Watches `native` alone from now on. Folders that send no events (network, FUSE) are not
    // watched: F5 stays for them.
    // `writes`: a file written to counts as changed too.
    void watch(const QByteArray& native, bool writes = false);

signals:
    // The names touched, each once; none when the whole folder must be read again.
    void changed(const QByteArrayList& names);
    // Told at once, before the changed() that names both: `from` was renamed `to` in the folder.
    void renamed(const QByteArray& from, const QByteArray& to);

private:
    void gather(const QByteArrayList& names);
    void fire();

    QByteArray native_;
    QSet<QByteArray> names_;
    bool all_ = false;
    platform::DirectoryWatch watcher_;
    QTimer quiet_;
    QTimer longest_;
};

}  // namespace kivra
