#pragma once

#include <QString>
#include <QTemporaryDir>

namespace kivra::test {

// A tiny tmpfs mounted for one test, so a write can meet a full disk for real. Mounting needs
// root; without it, available() is false and reason() says why.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kibibytes = 256);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool available() const { return mounted_; }
    const QString& reason() const { return reason_; }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString reason_;
};

}  // namespace kivra::test
