#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include "platform/file_writes.h"
#include "platform/log_access.h"
#include "platform/ordinary_file.h"
#include "platform/system_reason.h"

namespace kivra::platform {

namespace {

std::wstring wide(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

// The system's words for what just failed.
Failure lastFailure(const QString& log) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, GetLastError(), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString reason = text ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    return PathFailure("LogAccess", QT_TRANSLATE_NOOP("LogAccess", "Cannot lock the log %1: %2"),
                       log, reason);
}

}  // namespace

void CloseDescriptor(int fd) { _close(fd); }

// The folder beside the executable is the installer's choice, and Windows keeps who may write
// it in its access lists: the log is opened as it is.
Result<LogOpening> OpenLog(const QString& folder, const QString& name, LogUse use) {
    LogOpening result;
    result.file = QDir(folder).filePath(name);
    const DWORD attributes = GetFileAttributesW(wide(result.file).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (use != LogUse::Append) {
            result.missing = true;
            return result;
        }
    } else if (!IsOrdinaryFile(result.file)) {
        return PathFailure(
            "LogAccess", QT_TRANSLATE_NOOP("LogAccess", "Cannot read the log %1: %2"), result.file,
            QCoreApplication::translate("LogAccess", "it is not an ordinary file"));
    }
    if (use == LogUse::Replace) return result;
    const int flags =
        use == LogUse::Append ? _O_RDWR | _O_APPEND | _O_CREAT | _O_BINARY : _O_RDONLY | _O_BINARY;
    result.fd = _wopen(wide(result.file).c_str(), flags | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (result.fd < 0)
        return PathFailure("LogAccess",
                           QT_TRANSLATE_NOOP("LogAccess", "Cannot open the log %1: %2"),
                           result.file, SystemReason(errno));
    return result;
}

namespace {

QString undoPath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".undo"));
}

// Only an ordinary file is the program's record: not a folder, not a link.
Result<bool> checkUndoRecord(const QString& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !IsOrdinaryFile(path))
        return PathFailure(
            "LogAccess", QT_TRANSLATE_NOOP("LogAccess", "Cannot open the undo record %1: %2"), path,
            QCoreApplication::translate("LogAccess", "it is not an ordinary file"));
    return true;
}

// The record's bytes over whatever was there, at its one size.
bool overwrite(QFile& file, const QByteArray& bytes) {
    const QByteArray padded = bytes.leftJustified(kUndoRecordSize, '\0');
    return file.write(padded) == padded.size() && file.flush() &&
           (file.size() <= padded.size() || file.resize(padded.size()));
}

}  // namespace

Result<std::optional<QByteArray>> ReadUndoRecord(const QString& folder, const QString& name) {
    const QString path = undoPath(folder, name);
    const Result<bool> there = checkUndoRecord(path);
    if (!there) return there.failure();
    if (!*there) return std::optional<QByteArray>();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PathFailure("LogAccess",
                           QT_TRANSLATE_NOOP("LogAccess", "Cannot open the undo record %1: %2"),
                           path, file.errorString());
    QByteArray bytes = file.read(4096);
    while (bytes.endsWith('\0')) bytes.chop(1);
    if (bytes.isEmpty()) return std::optional<QByteArray>();
    return std::optional<QByteArray>(bytes);
}

Result<bool> WriteUndoRecord(const QString& folder, const QString& name, const QByteArray& bytes,
                             bool durable) {
    const QString path = undoPath(folder, name);
    const Result<bool> there = checkUndoRecord(path);
    if (!there) return there.failure();
    // Read and write, so a record there is overwritten in place, not truncated.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        // A folder the user cannot write keeps no record.
        if (file.error() == QFileDevice::OpenError && !QFileInfo(folder).isWritable()) return false;
        return PathFailure("LogAccess",
                           QT_TRANSLATE_NOOP("LogAccess", "Cannot write the undo record %1: %2"),
                           path, file.errorString());
    }
    if (!overwrite(file, bytes) || ((durable || !*there) && !SyncToDisk(file))) {
        const QString reason = file.errorString();
        file.close();
        ClearUndoRecord(folder, name, false);
        return PathFailure("LogAccess",
                           QT_TRANSLATE_NOOP("LogAccess", "Cannot write the undo record %1: %2"),
                           path, reason);
    }
    return true;
}

void ClearUndoRecord(const QString& folder, const QString& name, bool durable) {
    const QString path = undoPath(folder, name);
    const Result<bool> there = checkUndoRecord(path);
    QFile file(path);
    if (!there || !*there || !file.open(QIODevice::ReadWrite)) return;
    if (overwrite(file, {}) && durable) SyncToDisk(file);
}

// Windows opens by path and checks little: the record goes through the functions above.
Result<std::optional<QByteArray>> LogLock::readUndoRecord() {
    return ReadUndoRecord(folderPath_, name_);
}

Result<bool> LogLock::writeUndoRecord(const QByteArray& bytes, bool durable) {
    return WriteUndoRecord(folderPath_, name_, bytes, durable);
}

void LogLock::clearUndoRecord(bool durable) { ClearUndoRecord(folderPath_, name_, durable); }

LogLock::~LogLock() { release(); }

void LogLock::release() {
    if (handle_ == -1) return;
    const HANDLE handle = reinterpret_cast<HANDLE>(handle_);
    OVERLAPPED whole{};
    UnlockFileEx(handle, 0, 1, 0, &whole);
    CloseHandle(handle);
    handle_ = -1;
}

Result<LogLock::Outcome> LogLock::take(const QString& folder, const QString& name, int waitMs) {
    release();
    folderPath_ = folder;
    name_ = name;
    const QString log = QDir(folder).filePath(name);
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE handle =
        CreateFileW(wide(log + QStringLiteral(".lock")).c_str(), GENERIC_READ | GENERIC_WRITE,
                    kShare, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A folder the user cannot write: copies take turns on the log itself.
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
        handle = CreateFileW(wide(log).c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return lastFailure(log);
    handle_ = reinterpret_cast<qintptr>(handle);
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &whole))
            return Taken;
        if (GetLastError() != ERROR_LOCK_VIOLATION) {
            const Failure failure = lastFailure(log);
            release();
            return failure;
        }
        if (deadline.hasExpired()) {
            release();
            return Busy;
        }
        QThread::msleep(5);
    }
}

}  // namespace kivra::platform
