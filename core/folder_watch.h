#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include "platform/directory_watch.h"

namespace kivra {

// Tells when the folder watched changed on disk: changes are gathered until 200 ms after the
// last, at most 1 s after the first, then changed fires once, so a burst of thousands of files
// is one update.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QObject* parent = nullptr);

    // Watches `native` alone from now on. Folders that send no events (network, FUSE) are not
    // watched: F5 stays for them.
    void watch(const QByteArray& native);

signals:
    void changed();

private:
    void gather();
    void fire();

    platform::DirectoryWatch watcher_;
    QTimer quiet_;
    QTimer longest_;
};

}  // namespace kivra
