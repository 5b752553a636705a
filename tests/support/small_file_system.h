#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

namespace kivra::test {

// A tiny tmpfs mounted for one test, so a write can meet a full disk for real. Mounting needs
// root; without it, available() is false and reason() says why.
class SmallFileSystem {
public:
    explicit SmallFileSystem(int kibibytes = 256) {
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
        if (geteuid() != 0)
            reason_ = QStringLiteral("mounting a small tmpfs needs root");
        else if (mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", 0,
                       options.constData()) != 0)
            reason_ = QStringLiteral("cannot mount a tmpfs: %1")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
        mounted_ = reason_.isEmpty();
    }
    ~SmallFileSystem() {
        if (mounted_) umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
    }
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
