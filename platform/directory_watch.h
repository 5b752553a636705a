#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

namespace kivra::platform {

// Tells which names came into, left or moved within one directory. Writes to the files (and times
// set) are asked for only while the times matter (kept for newest first): on Linux asking for
// them makes the kernel flag every name of the folder it holds, 8 ms for a hundred thousand files,
// which a worker waits for.
class DirectoryWatch : public QObject {
    Q_OBJECT
public:
    explicit DirectoryWatch(QObject* parent = nullptr);
    ~DirectoryWatch() override;

    // Watches `native` (the directory's bytes as ReadDirectory takes them) alone from now on;
    // false when it cannot be watched.
    bool watch(const QByteArray& native, bool writes = false);
    void clear();

signals:
    // The names touched, each once; none when anything may have changed (events lost, the
    // directory itself gone, or a system that names nothing).
    void changed(const QByteArrayList& names);
    // `from` was renamed `to` within the directory, as the system paired them (Linux only).
    void renamed(const QByteArray& from, const QByteArray& to);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kivra::platform
