#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QCoreApplication>

#include "platform/origin_attributes.h"
#include "platform/system_reason.h"

namespace kivra::platform {

namespace {

QByteArray attribute(const QByteArray& path, const char* name) {
    QByteArray value(kMaxOriginBytes, Qt::Uninitialized);
#ifdef __APPLE__
    const ssize_t size = getxattr(path.constData(), name, value.data(), value.size(), 0, 0);
#else
    const ssize_t size = getxattr(path.constData(), name, value.data(), value.size());
#endif
    // Missing, not kept by the file system, or too long (ERANGE): nothing.
    if (size <= 0) return {};
    value.truncate(size);
    return value;
}

}  // namespace

OriginAttributes ReadOriginAttributes(const QByteArray& path) {
    OriginAttributes read;
    read.originUrl = attribute(path, "user.xdg.origin.url");
    if (!read.originUrl.isEmpty()) read.referrerUrl = attribute(path, "user.xdg.referrer.url");
    read.comment = attribute(path, "user.xdg.comment");
    return read;
}

Result<void> WriteFileComment(const QByteArray& path, const QByteArray& comment) {
    const auto refused = [](const QString& reason) { return Failure{reason, reason}; };
    struct stat item {};
    if (lstat(path.constData(), &item) != 0) return SystemFailure(errno);
    if (S_ISLNK(item.st_mode))
        return refused(QCoreApplication::translate("FileComment", "it is a link"));
    // Another user's file, even one anyone may write, is not the user's to annotate.
    if (item.st_uid != geteuid())
        return refused(QCoreApplication::translate("FileComment", "it belongs to another user (%1)")
                           .arg(UserName(item.st_uid)));
    // Only files and folders keep user attributes; opening anything else may have effects.
    if (!S_ISREG(item.st_mode) && !S_ISDIR(item.st_mode)) return SystemFailure(EPERM);
    // Opened without following a link, so one swapped in since the look is refused, and
    // written through the descriptor, so the item written is the one checked.
    const int fd =
        open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ELOOP)
            return refused(QCoreApplication::translate("FileComment", "it is a link"));
        return SystemFailure(error);
    }
    struct stat opened {};
    int error = 0;
    if (fstat(fd, &opened) != 0)
        error = errno;
    else if (opened.st_ino != item.st_ino || opened.st_dev != item.st_dev ||
             opened.st_uid != geteuid())
        error = EAGAIN;
#ifdef __APPLE__
    else if (fsetxattr(fd, "user.xdg.comment", comment.constData(), comment.size(), 0, 0) != 0)
#else
    else if (fsetxattr(fd, "user.xdg.comment", comment.constData(), comment.size(), 0) != 0)
#endif
        error = errno;
    // The file system's limit on one attribute, not a full disk, where room is left.
    struct statvfs room {};
    const bool tooLong = error == E2BIG || (error == ENOSPC && fstatvfs(fd, &room) == 0 &&
                                            room.f_bavail > 0 && room.f_favail > 0);
    close(fd);
    if (tooLong)
        return refused(QCoreApplication::translate(
            "FileComment", "it is too long to keep in the file; the log has it"));
    if (error == EAGAIN)
        return refused(
            QCoreApplication::translate("FileComment", "it was replaced while it was written"));
    if (error != 0) return SystemFailure(error);
    return {};
}

}  // namespace kivra::platform
