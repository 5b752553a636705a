#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <cerrno>

#include "platform/data_folder.h"
#include "platform/system_reason.h"
#include "platform/trash.h"

namespace kivra::platform {

namespace {

bool makePrivateFolder(const QByteArray& path) {
    return ::mkdir(path.constData(), 0700) == 0 || errno == EEXIST;
}

bool writeWhole(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += written;
    }
    return ::fsync(fd) == 0;
}

}  // namespace

Result<bool> MoveToTrash(const QString& path) {
    const QByteArray source = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const QByteArray trash = DataFolder() + "/Trash";
    struct stat file {};
    struct stat data {};
    if (::stat(source.constData(), &file) != 0) return SystemFailure(errno);
    // A file on another volume goes to that volume's own trash, which Qt finds; this one is
    // where a rename can reach.
    if (::stat(trash.left(trash.lastIndexOf('/')).constData(), &data) != 0 ||
        data.st_dev != file.st_dev)
        return QFile::moveToTrash(path);
    if (!makePrivateFolder(trash) || !makePrivateFolder(trash + "/files") ||
        !makePrivateFolder(trash + "/info"))
        return SystemFailure(errno);

    const QByteArray name = source.mid(source.lastIndexOf('/') + 1);
    const QByteArray entry =
        "[Trash Info]\nPath=" + QUrl::toPercentEncoding(QFile::decodeName(source), "/") +
        "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toUtf8() +
        "\n";
    // The record is claimed under a name no other file in the trash has, then written whole.
    for (int n = 1;; ++n) {
        const QByteArray trashed = n == 1 ? name : name + '.' + QByteArray::number(n);
        const QByteArray info = trash + "/info/" + trashed + ".trashinfo";
        const QByteArray target = trash + "/files/" + trashed;
        const int fd = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return SystemFailure(errno);
        struct stat taken {};
        if (::lstat(target.constData(), &taken) == 0) {  // a file without its record
            ::close(fd);
            ::unlink(info.constData());
            continue;
        }
        const bool written = writeWhole(fd, entry);
        const int writeError = errno;
        if (::close(fd) != 0 || !written || ::rename(source.constData(), target.constData()) != 0) {
            const int error = written ? errno : writeError;
            ::unlink(info.constData());
            return SystemFailure(error);
        }
        return true;
    }
}

}  // namespace kivra::platform
