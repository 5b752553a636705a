#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace kivra {

// Tells when the folder watched changed on disk: changes are gathered until 200 ms after the
// last, at most 1 s after the first, then Changed fires once, so a burst of thousands of files
// is one update.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    explicit FolderWatch(QObject* parent = nullptr);

    // Watches `native` alone from now on. Folders whose name is not valid UTF-8 and folders
    // that send no events (network, FUSE) are not watched: F5 stays for them.
    void watch(const QByteArray& native);
    bool watching() const { return !watcher_.directories().isEmpty(); }

signals:
    void Changed();

private:
    void gather();
    void fire();

    QFileSystemWatcher watcher_;
    QTimer quiet_;
    QTimer longest_;
};

}  // namespace kivra
