#include "support/small_file_system.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace kivra::test {

SmallFileSystem::SmallFileSystem(int kibibytes) {
    if (geteuid() != 0) {
        reason_ = QStringLiteral("mounting a small tmpfs needs root");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    if (mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
              options.constData()) != 0) {
        reason_ = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted_ = true;
}

SmallFileSystem::~SmallFileSystem() {
    if (mounted_) umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

}  // namespace kivra::test
