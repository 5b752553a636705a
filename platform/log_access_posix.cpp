#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <limits.h>
#include <pwd.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/vfs.h>
#endif

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/log_access.h"
#include "platform/log_access_posix.h"
#include "platform/system_reason.h"

namespace kivra::platform {

namespace detail {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// As a shell takes it, for the command that mends a refusal.
QString quoted(const QString& path) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+,:@%=-]+$"));
    if (plain.match(path).hasMatch()) return path;
    QString text = path;
    return u'\'' + text.replace(u'\'', QLatin1StringView("'\\''")) + u'\'';
}

QString userName(uid_t uid) { return UserName(uid); }

bool acceptedOwner(uid_t uid) { return uid == geteuid() || uid == 0; }

// A group that is the user's alone: the primary group, named after the user, with no members
// listed besides.
bool privateGroup(gid_t gid) {
    if (gid != getgid()) return false;
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(65536);
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) return false;
    return QString::fromLocal8Bit(found->gr_name) == userName(geteuid()) &&
           (!found->gr_mem || !found->gr_mem[0]);
}

// File systems that make owners and modes up (FAT, exFAT, NTFS, SMB, 9p, VirtualBox shares)
// have nothing to check beyond who owns them.
bool keepsPosixOwners(int fd) {
#ifdef __linux__
    struct statfs info {};
    if (fstatfs(fd, &info) != 0) return true;
    switch (static_cast<unsigned long>(info.f_type)) {
        case 0x4d44:      // vfat
        case 0x2011BAB0:  // exfat
        case 0x5346544e:  // ntfs, ntfs3
        case 0x65735546:  // fuse and fuseblk (ntfs-3g)
        case 0xFF534D42:  // cifs
        case 0xFE534D42:  // smb2
        case 0x517B:      // smb
        case 0x01021997:  // 9p
        case 0x786f4256:  // vboxsf
            return false;
        default:
            return true;
    }
#else
    Q_UNUSED(fd);
    return true;
#endif
}

Failure refused(const QString& log, const QString& what, const QString& mend) {
    return {QCoreApplication::translate("LogAccess", "The log %1 is not used: %2.\nTo mend it: %3")
                .arg(shown(log), what, mend),
            {}};
}

Failure cannotOpen(const QString& log, int error) {
    return PathFailure("LogAccess", QT_TRANSLATE_NOOP("LogAccess", "Cannot open the log %1: %2"),
                       log, SystemReason(error));
}

Failure cannotLock(const QString& log, int error) {
    return PathFailure("LogAccess", QT_TRANSLATE_NOOP("LogAccess", "Cannot lock the log %1: %2"),
                       log, SystemReason(error));
}

Failure notOrdinary(const QString& log) {
    return PathFailure("LogAccess", QT_TRANSLATE_NOOP("LogAccess", "Cannot read the log %1: %2"),
                       log, QCoreApplication::translate("LogAccess", "it is not an ordinary file"));
}

Failure folderNotWritable(const QString& log, const QString& folder, int error) {
    const QString reason = SystemReason(error);
    return {QCoreApplication::translate(
                "LogAccess", "Cannot write the log %1: its folder %2 cannot be written to (%3)")
                .arg(shown(log), shown(folder), reason),
            reason};
}

// A failed opening as the system tells it, and what mends it: where root owns the file after a
// run with sudo, or where the user made it read-only.
Failure openFailure(int folder, const QByteArray& name, const QString& log, const QString& path,
                    int error) {
    Failure failure = cannotOpen(log, error);
    struct stat info {};
    const bool denied = error == EACCES && fstatat(folder, name.constData(), &info, 0) == 0;
    if (denied && geteuid() != 0 && info.st_uid == 0)
        failure.message +=
            QCoreApplication::translate(
                "LogAccess",
                "\nIt belongs to root, perhaps from a run with sudo. To mend it: sudo chown %1 %2")
                .arg(userName(geteuid()), quoted(path));
    else if (denied && info.st_uid == geteuid())
        failure.message += QCoreApplication::translate("LogAccess", "\nTo mend it: chmod u+w %1")
                               .arg(quoted(path));
    return failure;
}

enum class FolderFault { None, Owner, Others, Group };

// What keeps a folder from holding the log, or a link on the way to it: only the user (or root)
// may change what is in it.
FolderFault folderFault(int fd, const struct stat& info) {
    if (!acceptedOwner(info.st_uid)) return FolderFault::Owner;
    if (!keepsPosixOwners(fd)) return FolderFault::None;
    if (info.st_mode & S_IWOTH) return FolderFault::Others;
    if ((info.st_mode & S_IWGRP) && !privateGroup(info.st_gid)) return FolderFault::Group;
    return FolderFault::None;
}

// The folder, opened and checked; -1 when it is not there.
Result<int> openFolder(const QString& folder, const QString& log) {
    const QByteArray path = QFile::encodeName(folder);
    Descriptor fd(open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0) {
        const int reason = errno;
        struct stat link {};
        if (lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return refused(
                log,
                QCoreApplication::translate("LogAccess", "its folder %1 is a symbolic link")
                    .arg(shown(folder)),
                QStringLiteral("rm %1 && mv %2 %1")
                    .arg(quoted(folder), quoted(QFileInfo(folder).canonicalFilePath())));
        if (reason == ENOENT) return -1;
        return cannotOpen(log, reason);
    }
    struct stat info {};
    if (fstat(fd.get(), &info) != 0) return cannotOpen(log, errno);
    // Made only for a refusal: the quoting's pattern would be compiled in every script's run.
    const auto chmod = [&folder] { return QStringLiteral("chmod 700 %1").arg(quoted(folder)); };
    switch (folderFault(fd.get(), info)) {
        case FolderFault::None:
            break;
        case FolderFault::Owner:
            return refused(
                log,
                QCoreApplication::translate("LogAccess",
                                            "its folder %1 belongs to another user (%2)")
                    .arg(shown(folder), userName(info.st_uid)),
                QStringLiteral("sudo chown %1 %2 && ").arg(userName(geteuid()), quoted(folder)) +
                    chmod());
        case FolderFault::Others:
            return refused(
                log,
                QCoreApplication::translate("LogAccess", "other users can write to its folder %1")
                    .arg(shown(folder)),
                chmod());
        case FolderFault::Group:
            return refused(log,
                           QCoreApplication::translate("LogAccess",
                                                       "the group of its folder %1 can write to it")
                               .arg(shown(folder)),
                           chmod());
    }
    return fd.release();
}

// Each link from the log's to the file it ends at: made by the user (or root), and leading into a
// folder that passes the log folder's checks, so no one else can swap a link on the way for one to
// another of the user's files. What is wrong, or nothing with `error` set where the system failed;
// `end` is the file the chain ends at.
QString chainFault(int logFolder, const QString& logFolderPath, const QByteArray& logName,
                   const struct stat& end, int& error) {
    Descriptor here(fcntl(logFolder, F_DUPFD_CLOEXEC, 0));
    QString herePath = logFolderPath;
    QByteArray name = logName;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (fstatat(here.get(), name.constData(), &link, AT_SYMLINK_NOFOLLOW) != 0)
            return error = errno, QString();
        const QString linkPath = QDir(herePath).filePath(QFile::decodeName(name));
        if (!S_ISLNK(link.st_mode)) {
            // Another file than the one opened: the chain changed while it was looked at.
            if (link.st_ino != end.st_ino || link.st_dev != end.st_dev) error = EAGAIN;
            return {};
        }
        if (!acceptedOwner(link.st_uid))
            return QCoreApplication::translate(
                       "LogAccess", "the link %1 on its way was made by another user (%2)")
                .arg(shown(linkPath), userName(link.st_uid));
        std::vector<char> buffer(std::max<size_t>(size_t(link.st_size) + 2, PATH_MAX));
        const ssize_t length =
            readlinkat(here.get(), name.constData(), buffer.data(), buffer.size());
        if (length <= 0 || size_t(length) >= buffer.size()) return error = EAGAIN, QString();
        const QByteArray target(buffer.data(), length);
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray targetFolder = slash < 0    ? QByteArray(".")
                                        : slash == 0 ? QByteArray("/")
                                                     : target.first(slash);
        name = target.sliced(slash + 1);
        const QString folderPath =
            QDir::cleanPath(QDir(herePath).filePath(QFile::decodeName(targetFolder)));
        here.reset(
            openat(here.get(), targetFolder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat info {};
        if (here.get() < 0 || fstat(here.get(), &info) != 0) return error = errno, QString();
        herePath = folderPath;
        switch (folderFault(here.get(), info)) {
            case FolderFault::None:
                break;
            case FolderFault::Owner:
                return QCoreApplication::translate(
                           "LogAccess",
                           "the link %1 leads into the folder %2, which belongs to another user "
                           "(%3)")
                    .arg(shown(linkPath), shown(folderPath), userName(info.st_uid));
            case FolderFault::Others:
                return QCoreApplication::translate(
                           "LogAccess",
                           "the link %1 leads into the folder %2, which other users can write to")
                    .arg(shown(linkPath), shown(folderPath));
            case FolderFault::Group:
                return QCoreApplication::translate(
                           "LogAccess",
                           "the link %1 leads into the folder %2, whose group can write to it")
                    .arg(shown(linkPath), shown(folderPath));
        }
    }
    error = ELOOP;
    return {};
}

// The log in its checked folder: only the user's own files, and links of the user's own to them.
Result<LogOpening> openInFolder(int folder, const QString& logFolder, const QString& name,
                                LogUse use) {
    LogOpening result;
    const QString log = QDir(logFolder).filePath(name);
    result.file = log;
    const QByteArray bytes = QFile::encodeName(name);
    const int access =
        (use == LogUse::Append ? O_RDWR | O_APPEND : O_RDONLY) | O_CLOEXEC | O_NONBLOCK;
    Descriptor fd(openat(folder, bytes.constData(), access | O_NOFOLLOW));
    if (fd.get() < 0 && errno == ENOENT) {
        if (use != LogUse::Append) {
            result.missing = true;
            return result;
        }
        fd.reset(openat(folder, bytes.constData(), access | O_CREAT | O_EXCL | O_NOFOLLOW, 0600));
        if (fd.get() < 0 && errno == EEXIST)  // another copy made it just now
            fd.reset(openat(folder, bytes.constData(), access | O_NOFOLLOW));
        if (fd.get() < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
            return folderNotWritable(log, logFolder, errno);
    }
    struct stat link {};
    if (fd.get() < 0 && errno == ELOOP &&
        fstatat(folder, bytes.constData(), &link, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISLNK(link.st_mode)) {
        const QString target = QFileInfo(log).symLinkTarget();
        const QString rm = QStringLiteral("rm %1").arg(quoted(log));
        if (!acceptedOwner(link.st_uid))
            return refused(
                log,
                QCoreApplication::translate("LogAccess", "it is a link made by another user (%1)")
                    .arg(userName(link.st_uid)),
                rm);
        struct stat aim {};
        if (fstatat(folder, bytes.constData(), &aim, 0) != 0)
            return refused(
                log,
                QCoreApplication::translate("LogAccess", "it is a link to %1, which is not there")
                    .arg(shown(target)),
                rm);
        int error = 0;
        if (const QString fault = chainFault(folder, logFolder, bytes, aim, error);
            !fault.isEmpty() || error)
            return error ? cannotOpen(log, error) : refused(log, fault, rm);
        if (!acceptedOwner(aim.st_uid))
            return refused(
                log,
                QCoreApplication::translate(
                    "LogAccess", "it is a link to %1, which belongs to another user (%2)")
                    .arg(shown(target), userName(aim.st_uid)),
                rm);
        fd.reset(openat(folder, bytes.constData(), access));
        struct stat opened {};
        // The link changed between the look and the opening: something is at work in the folder.
        if (fd.get() >= 0 && (fstat(fd.get(), &opened) != 0 || opened.st_ino != aim.st_ino ||
                              opened.st_dev != aim.st_dev))
            return cannotOpen(log, EAGAIN);
        result.linked = true;
        result.file = QFileInfo(log).canonicalFilePath();
    }
    if (fd.get() < 0) {
        const int error = errno;
        if (error == EISDIR || error == ENXIO) return notOrdinary(log);
        return openFailure(folder, bytes, log, result.file, error);
    }
    struct stat info {};
    if (fstat(fd.get(), &info) != 0) return cannotOpen(log, errno);
    if (!S_ISREG(info.st_mode)) return notOrdinary(log);
    if (!acceptedOwner(info.st_uid))
        return refused(log,
                       QCoreApplication::translate("LogAccess", "it belongs to another user (%1)")
                           .arg(userName(info.st_uid)),
                       QStringLiteral("sudo chown %1 %2").arg(userName(geteuid()), quoted(log)));
    fcntl(fd.get(), F_SETFL, fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    result.fd = fd.release();
    return result;
}

}  // namespace detail

using namespace detail;

void CloseDescriptor(int fd) { close(fd); }

Result<LogOpening> OpenLog(const QString& folder, const QString& name, LogUse use) {
    const QString log = QDir(folder).filePath(name);
    const Result<int> folderFd = openFolder(folder, log);
    if (!folderFd) return folderFd.failure();
    if (*folderFd < 0) {
        if (use == LogUse::Append) return cannotOpen(log, ENOENT);
        return LogOpening{.missing = true, .file = log};
    }
    const Descriptor dir(*folderFd);
    Result<LogOpening> result = openInFolder(dir.get(), folder, name, use);
    if (use != LogUse::Replace || !result) return result;
    Descriptor opened(std::exchange(result->fd, -1));
    // A rewrite puts a new file in place of the old: the folder that holds it must take one.
    const QString targetFolder = QFileInfo(result->file).absolutePath();
    if (faccessat(dir.get(), ".", W_OK, 0) != 0) return folderNotWritable(log, folder, errno);
    if (result->linked && ::access(QFile::encodeName(targetFolder).constData(), W_OK) != 0)
        return folderNotWritable(log, targetFolder, errno);
    return result;
}

}  // namespace kivra::platform
