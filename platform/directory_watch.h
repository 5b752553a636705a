#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

namespace kivra::platform {

// Tells when names come into, leave or move within one directory, or the directory itself goes.
// Changes inside the files and to their attributes are not asked for: the lists show names alone,
// and on Linux asking for them makes the kernel flag every name of the folder it holds, 8 ms for
// a hundred thousand files.
class DirectoryWatch : public QObject {
    Q_OBJECT
public:
    explicit DirectoryWatch(QObject* parent = nullptr);
    ~DirectoryWatch() override;

    // Watches `native` (the directory's bytes as ReadDirectory takes them) alone from now on;
    // false when it cannot be watched.
    bool watch(const QByteArray& native);
    void clear();

signals:
    void changed();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace kivra::platform
