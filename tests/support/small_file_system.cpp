#include "support/small_file_system.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace kivra::test {

namespace {
QString fillerPath(const QString& dir) { return QDir(dir).filePath(QStringLiteral("filler")); }
}  // namespace

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

bool SmallFileSystem::fill() const {
    QFile filler(fillerPath(path()));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
    // Whatever small remainder is left, take it byte by byte.
    while (filler.write("f", 1) == 1) {
    }
    return true;
}

void SmallFileSystem::unfill() const { QFile::remove(fillerPath(path())); }

}  // namespace kivra::test
