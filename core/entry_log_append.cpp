// The log's appends, each all or none: the undo record they keep beside the log, the lock they
// take, and the taking back of what a dead copy left cut short.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <map>
#include <optional>

#include "core/atomic_file_writer.h"
#include "core/entry_log.h"
#include "core/undo_record.h"
#include "platform/file_writes.h"
#include "platform/log_access.h"
#include "platform/system_reason.h"

namespace kivra {

namespace {

// A hand-edited log of `size` bytes may end without its last CR LF.
bool endsWithoutTerminator(QFile& file, qint64 size) {
    if (size == 0 || !file.seek(size - 1)) return false;
    char last = 0;
    return file.read(&last, 1) == 1 && last != '\n' && last != '\r';
}

// The checked log as a QFile, or why not.
Result<void> adopt(QFile& file, const platform::LogOpening& opened, const QString& logFile,
                   QIODevice::OpenMode mode) {
    if (file.open(opened.fd, mode, QFileDevice::AutoCloseHandle)) return {};
    platform::CloseDescriptor(opened.fd);
    return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot open the log %1: %2"),
                       logFile, file.errorString());
}

// Another copy's append or rewrite takes milliseconds; one still holding the lock after this
// long is stuck, and the user is told rather than left waiting.
constexpr int kLockWaitMs = 5000;

QString writeFailureReason(const QFileDevice& file) {
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return QCoreApplication::translate("EntryLog", "the disk is full or the file is too large");
}

QMutex noticesMutex;
QStringList notices;

void notice(const QString& text) {
    const QMutexLocker hold(&noticesMutex);
    notices.append(text);
}

// The system writes a block within one page of the file whole or not at all; a longer one may
// reach the disk in parts, so its record must be there before it.
constexpr qint64 kPage = 4096;

// The locks this thread holds, by log, and how deep: the operations inside one's work do not
// wait for themselves, and reach its undo record through it.
struct Held {
    int depth = 0;
    platform::LogLock* lock = nullptr;
};
thread_local std::map<QString, Held> held;

// The lock this thread holds on the log at `logFile`, if any.
platform::LogLock* heldLock(const QString& logFile) {
    const auto found = held.find(QFileInfo(logFile).absoluteFilePath());
    return found == held.end() ? nullptr : found->second.lock;
}

// Under the lock, so no live copy is writing: an undo record left is a dead copy's.
Result<void> takeBackCutAppend(platform::LogLock& lock, const QString& folder,
                               const QString& name) {
    const Result<std::optional<QByteArray>> bytes = lock.readUndoRecord();
    if (!bytes) return bytes.failure();
    if (!*bytes) return {};
    const QString logFile = QDir(folder).filePath(name);
    const std::optional<UndoRecord> record = UndoRecord::parse(**bytes);
    Result<platform::LogOpening> opened = platform::OpenLog(folder, name, platform::LogUse::Read);
    if (!opened) return opened.failure();
    QFile log;
    if (!opened->missing) {
        if (const Result<void> adopted = adopt(log, *opened, logFile, QIODevice::ReadOnly);
            !adopted)
            return adopted;
    }
    // A log gone, or changed by other hands since (a size the append never gave it), is left as
    // it is; so is one the append wrote whole, which only missed clearing its record.
    const qint64 size = opened->missing ? -1 : log.size();
    if (record && size >= record->before && size < record->after) {
        log.close();
        opened = platform::OpenLog(folder, name, platform::LogUse::Append);
        if (!opened) return opened.failure();
        if (const Result<void> adopted =
                adopt(log, *opened, logFile, QIODevice::ReadWrite | QIODevice::Append);
            !adopted)
            return adopted;
        if (!log.resize(record->before) || !platform::SyncToDisk(log))
            return PathFailure("EntryLog",
                               QT_TRANSLATE_NOOP("EntryLog",
                                                 "Cannot take back an append cut short in the "
                                                 "log %1: %2"),
                               logFile, log.errorString());
        const QString when = QLocale().toString(record->began.toLocalTime(), QLocale::ShortFormat);
        notice(record->kind == UndoRecord::Kind::Import
                   ? QCoreApplication::translate("EntryLog",
                                                 "An import of %1 entries was cut short on %2; "
                                                 "the log was restored to its state before it.")
                         .arg(QLocale().toString(record->entries), when)
                   : QCoreApplication::translate("EntryLog",
                                                 "An entry being written on %1 was cut short; "
                                                 "the log was restored to its state before it.")
                         .arg(when));
    }
    lock.clearUndoRecord(true);
    return {};
}

// Holds the lock of the log at `logFile` while `work` runs; a lock just taken first takes back
// what a dead copy left cut short.
Result<void> holdLock(const QString& logFile, const std::function<Result<void>()>& work) {
    const QFileInfo info(logFile);
    Held& mine = held[info.absoluteFilePath()];
    struct Hold {
        Held& held;
        Hold(Held& h, platform::LogLock* lock) : held(h) {
            if (held.depth++ == 0) held.lock = lock;
        }
        ~Hold() {
            if (--held.depth == 0) held.lock = nullptr;
        }
    };
    if (mine.depth > 0) {
        const Hold hold(mine, mine.lock);
        return work();
    }
    platform::LogLock lock;
    const Result<platform::LogLock::Outcome> taken =
        lock.take(info.absolutePath(), info.fileName(), kLockWaitMs);
    if (!taken) return taken.failure();
    if (*taken == platform::LogLock::Busy)
        return Failure{
            QCoreApplication::translate(
                "EntryLog",
                "The log %1 is in use by another copy of the program. Try again in a moment.")
                .arg(QDir::toNativeSeparators(logFile)),
            {}};
    const Hold hold(mine, &lock);
    if (const Result<void> takenBack =
            takeBackCutAppend(lock, info.absolutePath(), info.fileName());
        !takenBack)
        return takenBack;
    return work();
}

// `record` gives what is appended; its sizes and time are filled in here.
Result<void> appendBlock(const EntryLog& log, const QByteArray& lines, UndoRecord record) {
    const QString filePath = QDir(log.appDir()).filePath(QLatin1StringView(EntryLog::kFileName));
    return log.locked([&]() -> Result<void> {
        platform::LogLock* const lock = heldLock(filePath);
        Q_ASSERT(lock);
        QFile file;
        if (const Result<void> opened = OpenLogFile(
                file, filePath, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
            !opened)
            return opened;

        const qint64 oldSize = file.size();
        const QByteArray bytes = endsWithoutTerminator(file, oldSize) ? "\r\n" + lines : lines;
        record.before = oldSize;
        record.after = oldSize + bytes.size();
        record.began = QDateTime::currentDateTimeUtc();
        const Result<bool> recorded =
            lock->writeUndoRecord(record.encode(), oldSize / kPage != (record.after - 1) / kPage);
        if (!recorded) return recorded.failure();
        // One write, so the lines and their CR LF go together. Under the lock no other copy can
        // have written since, so undoing a failed append cuts only its own bytes.
        const bool written = WriteAll(file, bytes);
        if (!written || !platform::SyncToDisk(file)) {
            const QString reason =
                written ? platform::SystemReason(errno) : writeFailureReason(file);
            if (file.resize(oldSize) && *recorded) lock->clearUndoRecord(false);
            return PathFailure("EntryLog",
                               QT_TRANSLATE_NOOP("EntryLog", "Cannot write to the log %1: %2"),
                               filePath, reason);
        }
        // Not synced: a record left on the disk by a power cut finds the log whole and is
        // cleared then. Rewrites, which could shorten the log, sync the clearing first.
        if (*recorded) lock->clearUndoRecord(false);
        return {};
    });
}

}  // namespace

Result<void> OpenLogFile(QFile& file, const QString& logFile, QIODevice::OpenMode mode,
                         bool* missing) {
    const QFileInfo info(logFile);
    // Only where a record is there is the lock taken: a plain read stays a plain read. Under the
    // lock, what a dead copy left was taken back as it was taken.
    if (!heldLock(logFile)) {
        const Result<std::optional<QByteArray>> record =
            platform::ReadUndoRecord(info.absolutePath(), info.fileName());
        if (!record) return record.failure();
        if (*record) {
            if (const Result<void> takenBack = holdLock(logFile, [] { return Result<void>{}; });
                !takenBack)
                return takenBack;
        }
    }
    const bool append = mode & QIODevice::Append;
    const Result<platform::LogOpening> opened =
        platform::OpenLog(info.absolutePath(), info.fileName(),
                          append ? platform::LogUse::Append : platform::LogUse::Read);
    if (!opened) return opened.failure();
    if (missing) *missing = opened->missing;
    if (opened->missing && !missing)
        return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot open the log %1: %2"),
                           logFile, platform::SystemReason(ENOENT));
    if (opened->missing) return {};
    return adopt(file, *opened, logFile, mode);
}

QStringList TakeLogNotices() {
    const QMutexLocker hold(&noticesMutex);
    return std::exchange(notices, {});
}

Result<void> EntryLog::appendEntry(const QString& line) const {
    QByteArray encoded;
    EncodeLogLine(line, encoded);
    return appendLogBytes(encoded);
}

Result<void> EntryLog::appendEntry(QByteArrayView nativePath, const QString& rest) const {
    QByteArray line;
    EncodeLogLine(nativePath, rest, line);
    return appendLogBytes(line);
}

Result<void> EntryLog::appendEntries(const QStringList& lines) const {
    QByteArray encoded;
    for (const QString& line : lines) EncodeLogLine(line, encoded);
    return appendBlock(*this, encoded, {0, 0, lines.size(), UndoRecord::Kind::Import, {}});
}

Result<void> EntryLog::appendLogBytes(const QByteArray& lines) const {
    return appendBlock(*this, lines, {0, 0, 1, UndoRecord::Kind::Entry, {}});
}

Result<void> EntryLog::locked(const std::function<Result<void>()>& work) const {
    if (!refusal_.isEmpty()) return refused();
    if (const Result<void> made = makeFolder(); !made) return made;
    return holdLock(filePath(), work);
}

}  // namespace kivra
