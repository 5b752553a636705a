// The log's lock file and its undo record, kept under the same rules as the log.

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <optional>
#include <utility>

#include "platform/log_access.h"
#include "platform/log_access_posix.h"
#include "platform/system_reason.h"

namespace kivra::platform {

using namespace detail;

namespace {

QString undoPath(const QString& log) { return log + QStringLiteral(".undo"); }

// The record in the checked folder, opened only where it is the user's own ordinary file; -1
// where there is none.
Result<int> openUndoRecord(int folder, const QString& log, int access, off_t* size = nullptr) {
    const QString path = undoPath(log);
    const QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
    Descriptor fd(
        openat(folder, name.constData(), access | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
    if (fd.get() < 0 && errno == ENOENT) return -1;
    struct stat info {};
    if (fd.get() < 0 && errno == ELOOP &&
        fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return refused(
            log,
            QCoreApplication::translate("LogAccess", "its undo record %1 is a symbolic link")
                .arg(shown(path)),
            QStringLiteral("rm %1").arg(quoted(path)));
    if (fd.get() < 0 || fstat(fd.get(), &info) != 0) return cannotOpen(path, errno);
    if (!acceptedOwner(info.st_uid))
        return refused(log,
                       QCoreApplication::translate(
                           "LogAccess", "its undo record %1 belongs to another user (%2)")
                           .arg(shown(path), userName(info.st_uid)),
                       QStringLiteral("sudo rm %1").arg(quoted(path)));
    if (!S_ISREG(info.st_mode))
        return refused(
            log,
            QCoreApplication::translate("LogAccess", "its undo record %1 is not an ordinary file")
                .arg(shown(path)),
            QStringLiteral("rm %1").arg(quoted(path)));
    if (size) *size = info.st_size;
    return fd.release();
}

// The record's bytes over whatever was there, at its one size; `longer`, where known, says
// whether the file is longer than that.
bool overwrite(int fd, const QByteArray& bytes, std::optional<bool> longer = std::nullopt) {
    const QByteArray padded = bytes.leftJustified(kUndoRecordSize, '\0');
    // A short write is tried again, so that a failure gives its reason.
    for (ssize_t at = 0, part = 0; at < padded.size(); at += part)
        if ((part = pwrite(fd, padded.constData() + at, padded.size() - at, at)) <= 0) return false;
    struct stat info {};
    if (!longer && fstat(fd, &info) != 0) return false;
    return !longer.value_or(info.st_size > padded.size()) || ftruncate(fd, padded.size()) == 0;
}

Result<std::optional<QByteArray>> readRecord(int fd, const QString& log) {
    // A record is a line; more is none of the program's.
    QByteArray bytes(4096, Qt::Uninitialized);
    const ssize_t length = pread(fd, bytes.data(), bytes.size(), 0);
    if (length < 0) return cannotOpen(undoPath(log), errno);
    bytes.truncate(length);
    while (bytes.endsWith('\0')) bytes.chop(1);
    if (bytes.isEmpty()) return std::optional<QByteArray>();
    return std::optional<QByteArray>(bytes);
}

}  // namespace

Result<std::optional<QByteArray>> ReadUndoRecord(const QString& folder, const QString& name) {
    const QString log = QDir(folder).filePath(name);
    const Result<int> folderFd = openFolder(folder, log);
    if (!folderFd) return folderFd.failure();
    if (*folderFd < 0) return std::optional<QByteArray>();
    const Descriptor dir(*folderFd);
    const Result<int> opened = openUndoRecord(dir.get(), log, O_RDONLY);
    if (!opened) return opened.failure();
    if (*opened < 0) return std::optional<QByteArray>();
    const Descriptor fd(*opened);
    return readRecord(fd.get(), log);
}

Result<bool> WriteUndoRecord(const QString& folder, const QString& name, const QByteArray& bytes,
                             bool durable) {
    const QString log = QDir(folder).filePath(name);
    const Result<int> folderFd = openFolder(folder, log);
    if (!folderFd) return folderFd.failure();
    if (*folderFd < 0) return cannotOpen(log, ENOENT);
    const Descriptor dir(*folderFd);
    if (faccessat(dir.get(), ".", W_OK, AT_EACCESS) != 0) return false;
    const Result<int> opened = openUndoRecord(dir.get(), log, O_WRONLY);
    if (!opened) return opened.failure();
    // Made once and synced with its folder; from then on overwritten in place.
    const bool fresh = *opened < 0;
    const QByteArray fileName = QFile::encodeName(name + QStringLiteral(".undo"));
    const Descriptor fd(fresh ? openat(dir.get(), fileName.constData(),
                                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)
                              : *opened);
    const bool written = fd.get() >= 0 && overwrite(fd.get(), bytes) &&
                         (!(durable || fresh) || fdatasync(fd.get()) == 0) &&
                         (!fresh || fsync(dir.get()) == 0);
    if (!written) {
        const int error = errno;
        if (!fresh)
            ClearUndoRecord(folder, name, false);
        else if (fd.get() >= 0)
            unlinkat(dir.get(), fileName.constData(), 0);
        return PathFailure("LogAccess",
                           QT_TRANSLATE_NOOP("LogAccess", "Cannot write the undo record %1: %2"),
                           undoPath(log), SystemReason(error));
    }
    return true;
}

void ClearUndoRecord(const QString& folder, const QString& name, bool durable) {
    const QString log = QDir(folder).filePath(name);
    const Result<int> folderFd = openFolder(folder, log);
    if (!folderFd || *folderFd < 0) return;
    const Descriptor dir(*folderFd);
    const Result<int> opened = openUndoRecord(dir.get(), log, O_WRONLY);
    if (!opened || *opened < 0) return;
    const Descriptor fd(*opened);
    if (overwrite(fd.get(), {}) && durable) fdatasync(fd.get());
}

Result<std::optional<QByteArray>> LogLock::readUndoRecord() {
    if (record_ >= 0) close(std::exchange(record_, -1));
    const QString log = QDir(folderPath_).filePath(name_);
    off_t size = 0;
    const Result<int> opened = openUndoRecord(folder_, log, O_RDWR, &size);
    // One that cannot be written, or is refused, is read and reported as it always was.
    if (!opened) return ReadUndoRecord(folderPath_, name_);
    if (*opened < 0) return std::optional<QByteArray>();
    record_ = *opened;
    recordTooLong_ = size > kUndoRecordSize;
    return readRecord(record_, log);
}

Result<bool> LogLock::writeUndoRecord(const QByteArray& bytes, bool durable) {
    if (record_ < 0) return WriteUndoRecord(folderPath_, name_, bytes, durable);
    if (overwrite(record_, bytes, recordTooLong_) && (!durable || fdatasync(record_) == 0)) {
        recordTooLong_ = false;
        return true;
    }
    const int error = errno;
    clearUndoRecord(false);
    return PathFailure("LogAccess",
                       QT_TRANSLATE_NOOP("LogAccess", "Cannot write the undo record %1: %2"),
                       undoPath(QDir(folderPath_).filePath(name_)), SystemReason(error));
}

void LogLock::clearUndoRecord(bool durable) {
    if (record_ < 0) return ClearUndoRecord(folderPath_, name_, durable);
    if (!overwrite(record_, {}, recordTooLong_)) return;
    recordTooLong_ = false;
    if (durable) fdatasync(record_);
}

LogLock::~LogLock() { release(); }

void LogLock::release() {
    if (record_ >= 0) close(record_);
    record_ = -1;
    if (!lockName_.isEmpty()) unlinkat(folder_, lockName_.constData(), 0);
    if (handle_ >= 0) close(int(handle_));
    if (folder_ >= 0) close(folder_);
    handle_ = -1;
    folder_ = -1;
    lockName_.clear();
}

Result<LogLock::Outcome> LogLock::take(const QString& folder, const QString& name, int waitMs) {
    release();
    folderPath_ = folder;
    name_ = name;
    const QString log = QDir(folder).filePath(name);
    const QString lockPath = log + QStringLiteral(".lock");
    const QByteArray lockName = QFile::encodeName(name) + ".lock";
    const Result<int> folderFd = openFolder(folder, log);
    if (!folderFd) return folderFd.failure();
    if (*folderFd < 0) return cannotOpen(log, ENOENT);
    folder_ = *folderFd;
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        Descriptor fd(openat(folder_, lockName.constData(),
                             O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600));
        const int openError = errno;
        if (fd.get() < 0 && openError == ELOOP) {
            // A link where the lock file goes is no one's lock: only the user can write here.
            if (unlinkat(folder_, lockName.constData(), 0) == 0) continue;
            return cannotLock(log, errno);
        }
        bool onLockFile = fd.get() >= 0;
        struct stat existing {};
        if (!onLockFile && (openError == EACCES || openError == EROFS || openError == EPERM) &&
            fstatat(folder_, lockName.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
            // Locking needs no write access: a lock file of the user's own that cannot be written
            // is locked as it is, read-only. Anyone else's is refused below.
            onLockFile = true;
            if (acceptedOwner(existing.st_uid))
                fd.reset(openat(folder_, lockName.constData(),
                                O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
            if (fd.get() < 0 && acceptedOwner(existing.st_uid))
                return refused(log,
                               QCoreApplication::translate("LogAccess",
                                                           "its lock file %1 cannot be opened (%2)")
                                   .arg(shown(lockPath), SystemReason(errno)),
                               QStringLiteral("sudo rm %1").arg(quoted(lockPath)));
        } else if (!onLockFile) {
            // Only where the folder cannot be written, so nothing can replace the log meanwhile,
            // do the copies take turns on the log itself.
            if ((openError != EACCES && openError != EROFS && openError != EPERM) ||
                faccessat(folder_, ".", W_OK, AT_EACCESS) == 0)
                return cannotLock(log, openError);
            const Result<LogOpening> opened = openInFolder(folder_, folder, name, LogUse::Read);
            if (!opened) return opened.failure();
            if (opened->missing) return folderNotWritable(log, folder, openError);
            fd.reset(opened->fd);
        }
        if (onLockFile) {
            struct stat info = existing;
            if (fd.get() >= 0 && fstat(fd.get(), &info) != 0) return cannotLock(log, errno);
            const QString rm = QStringLiteral("%1rm %2").arg(
                acceptedOwner(info.st_uid) ? "" : "sudo ", quoted(lockPath));
            if (!acceptedOwner(info.st_uid))
                return refused(log,
                               QCoreApplication::translate(
                                   "LogAccess", "its lock file %1 belongs to another user (%2)")
                                   .arg(shown(lockPath), userName(info.st_uid)),
                               rm);
            if (!S_ISREG(info.st_mode))
                return refused(log,
                               QCoreApplication::translate(
                                   "LogAccess", "its lock file %1 is not an ordinary file")
                                   .arg(shown(lockPath)),
                               rm);
        }
        // Asked often: a copy busy with one append after another leaves only short gaps.
        while (flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return cannotLock(log, errno);
            if (deadline.hasExpired()) return Busy;
            QThread::msleep(5);
        }
        if (onLockFile) {
            // The copy before removed the file as it let go: lock the one now there.
            struct stat held {
            }, there{};
            if (fstat(fd.get(), &held) != 0 ||
                fstatat(folder_, lockName.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0 ||
                held.st_ino != there.st_ino || held.st_dev != there.st_dev)
                continue;
            lockName_ = lockName;
        }
        handle_ = fd.release();
        return Taken;
    }
}

}  // namespace kivra::platform
