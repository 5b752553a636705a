#include "core/entry_log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMutex>
#include <QRegularExpression>
#include <QSaveFile>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "core/app_info.h"
#include "core/atomic_file_writer.h"
#include "core/undo_record.h"
#include "platform/data_folder.h"
#include "platform/file_writes.h"
#include "platform/log_access.h"
#include "platform/system_reason.h"
#include "platform/trash.h"

namespace kivra {

namespace {

// A hand-edited log may end without its last CR LF.
bool endsWithoutTerminator(QFile& file) {
    const qint64 size = file.size();
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

#ifndef Q_OS_WIN
// The notes are private: a log the program creates is its owner's alone.
constexpr QFileDevice::Permissions kPrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QByteArray dataFolderBytes() { return platform::DataFolder() + '/' + app::kTitle; }
#endif

std::filesystem::path fsPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

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

// Under the lock, so no live copy is writing: an undo record left is a dead copy's.
Result<void> takeBackCutAppend(const QString& folder, const QString& name) {
    const Result<std::optional<QByteArray>> bytes = platform::ReadUndoRecord(folder, name);
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
    // it is; so is one the append wrote whole, which only missed removing its record.
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
    platform::RemoveUndoRecord(folder, name);
    return {};
}

// Holds the lock of the log at `logFile` while `work` runs; a lock just taken first takes back
// what a dead copy left cut short.
Result<void> holdLock(const QString& logFile, const std::function<Result<void>()>& work) {
    // Depth per log and thread, so the operations inside `work` do not wait for themselves.
    thread_local std::map<QString, int> held;
    const QFileInfo info(logFile);
    int& depth = held[info.absoluteFilePath()];
    struct Hold {
        int& depth;
        explicit Hold(int& d) : depth(d) { ++depth; }
        ~Hold() { --depth; }
    };
    if (depth > 0) {
        const Hold hold(depth);
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
    const Hold hold(depth);
    if (const Result<void> takenBack = takeBackCutAppend(info.absolutePath(), info.fileName());
        !takenBack)
        return takenBack;
    return work();
}

// `record` gives what is appended; its sizes and time are filled in here.
Result<void> appendBlock(const EntryLog& log, const QByteArray& lines, UndoRecord record) {
    const QString filePath = QDir(log.appDir()).filePath(QLatin1StringView(EntryLog::kFileName));
    return log.locked([&]() -> Result<void> {
        QFile file;
        if (const Result<void> opened = OpenLogFile(
                file, filePath, QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered);
            !opened)
            return opened;

        const qint64 oldSize = file.size();
        const QByteArray bytes = endsWithoutTerminator(file) ? "\r\n" + lines : lines;
        record.before = oldSize;
        record.after = oldSize + bytes.size();
        record.began = QDateTime::currentDateTimeUtc();
        const QFileInfo info(filePath);
        const Result<bool> recorded =
            platform::WriteUndoRecord(info.absolutePath(), info.fileName(), record.encode(),
                                      oldSize / kPage != (record.after - 1) / kPage);
        if (!recorded) return recorded.failure();
        // One write, so the lines and their CR LF go together. Under the lock no other copy can
        // have written since, so undoing a failed append cuts only its own bytes.
        const bool written = WriteAll(file, bytes);
        if (!written || !platform::SyncToDisk(file)) {
            const QString reason =
                written ? platform::SystemReason(errno) : writeFailureReason(file);
            if (file.resize(oldSize) && *recorded)
                platform::RemoveUndoRecord(info.absolutePath(), info.fileName());
            return PathFailure("EntryLog",
                               QT_TRANSLATE_NOOP("EntryLog", "Cannot write to the log %1: %2"),
                               filePath, reason);
        }
        if (*recorded) platform::RemoveUndoRecord(info.absolutePath(), info.fileName());
        return {};
    });
}

}  // namespace

Result<void> OpenLogFile(QFile& file, const QString& logFile, QIODevice::OpenMode mode,
                         bool* missing) {
    const QFileInfo info(logFile);
    // Only where a record is there is the lock taken: a plain read stays a plain read.
    const Result<std::optional<QByteArray>> record =
        platform::ReadUndoRecord(info.absolutePath(), info.fileName());
    if (!record) return record.failure();
    if (*record) {
        if (const Result<void> takenBack = holdLock(
                logFile,
                [&info] { return takeBackCutAppend(info.absolutePath(), info.fileName()); });
            !takenBack)
            return takenBack;
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

Failure TooBigToHold(const QString& logFile, qint64 size) {
    return {QCoreApplication::translate(
                "EntryLog", "The log %1 (%2) is too big to be held in memory; it is left as it is.")
                .arg(QDir::toNativeSeparators(logFile), QLocale().formattedDataSize(size)),
            {}};
}

Failure LineTooLong(const QString& logFile, qint64 length) {
    return {
        QCoreApplication::translate(
            "EntryLog", "The log %1 holds a line of %2, too long to be shown; it is left as it is.")
            .arg(QDir::toNativeSeparators(logFile), QLocale().formattedDataSize(length)),
        {}};
}

LogStamp LogStamp::of(const QString& logFile) {
    // A plain stat: asked at every folder change and around every append. A link is followed,
    // as reads follow it.
    const QFileInfo info(logFile);
    if (!info.exists()) return {};
    return {info.size(), info.lastModified()};
}

EntryLog::EntryLog(QString appDir, QString refusal)
    : appDir_(std::move(appDir)), refusal_(std::move(refusal)) {}

QString EntryLog::defaultAppDir() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath();
#else
    return QFile::decodeName(dataFolderBytes());
#endif
}

EntryLog EntryLog::defaultLog() {
#ifndef Q_OS_WIN
    // A name that is not UTF-8 would come back as another folder's, one with U+FFFD in it.
    if (const QByteArray folder = dataFolderBytes(); !folder.isValidUtf8())
        return EntryLog(defaultAppDir(),
                        QCoreApplication::translate(
                            "EntryLog",
                            "The log's folder %1 has a name that is not valid UTF-8, so no log is "
                            "kept. Set XDG_DATA_HOME to a folder whose name is.")
                            .arg(QDir::toNativeSeparators(defaultAppDir())));
#endif
    return EntryLog(defaultAppDir());
}

QString EntryLog::filePath() const { return QDir(appDir_).filePath(QLatin1StringView(kFileName)); }

QString EntryLog::logPath() const { return QDir::toNativeSeparators(filePath()); }

bool EntryLog::logExists() const {
    if (!refusal_.isEmpty()) return false;
    QFile file;
    bool missing = false;
    return OpenLogFile(file, filePath(), QIODevice::ReadOnly, &missing) && !missing;
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

Result<QStringList> EntryLog::readEntries() const {
    if (!refusal_.isEmpty()) return refused();
    QFile file;
    if (const Result<void> opened = OpenLogFile(file, filePath(), QIODevice::ReadOnly); !opened)
        return opened.failure();
    std::optional<QStringList> lines = ReadLogLines(file);
    if (!lines)
        return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot read the log %1: %2"),
                           filePath(), file.errorString());
    return std::move(*lines);
}

Result<void> EntryLog::writeEntries(const QStringList& lines) const {
    return writeLogBytes([&lines](AtomicFileWriter& writer) {
        for (const QString& line : lines) {
            EncodeLogLine(line, writer.chunk());
            writer.written();
        }
    });
}

Result<void> EntryLog::writeLogBytes(const std::function<void(AtomicFileWriter&)>& fill) const {
    return locked([this, &fill]() -> Result<void> {
        removeLeftovers();
        const QFileInfo info(filePath());
        const Result<platform::LogOpening> opened =
            platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
        if (!opened) return opened.failure();
        // A linked log keeps its link: the file it names is replaced.
        AtomicFileWriter writer(opened->file);
        if (writer.open()) {
#ifndef Q_OS_WIN
            // A rewrite keeps the old log's mode; a new log is private.
            if (opened->missing) writer.setPermissions(kPrivateFile);
#endif
            fill(writer);
            if (writer.commit()) return {};
        }
        return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot write the log %1: %2"),
                           filePath(), writer.errorString());
    });
}

bool EntryLog::rewritable() const {
    if (!refusal_.isEmpty()) return false;
    const QFileInfo info(filePath());
    const Result<platform::LogOpening> opened =
        platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
    return opened && (opened->missing || QFileInfo(opened->file).isWritable());
}

Result<void> EntryLog::deleteLog() const { return removeLog(false); }

Result<void> EntryLog::trashLog() const { return removeLog(true); }

Result<void> EntryLog::removeLog(bool toTrash) const {
    if (refusal_.isEmpty() && !QFileInfo(appDir_).isDir()) return {};
    return locked([this, toTrash]() -> Result<void> {
        const QFileInfo info(filePath());
        const Result<platform::LogOpening> opened =
            platform::OpenLog(info.absolutePath(), info.fileName(), platform::LogUse::Replace);
        if (!opened) return opened.failure();
        if (opened->missing) return {};
        // A log kept elsewhere through a link (a synchronised folder, say) goes on receiving
        // entries: it is emptied, and the link stays.
        if (opened->linked) return writeLogBytes([](AtomicFileWriter&) {});
        // The trash keeps it restorable; where there is none, it is deleted as before. A trash
        // that cannot take it whole leaves it in place.
        if (toTrash) {
            const Result<bool> trashed = platform::MoveToTrash(filePath());
            if (trashed && *trashed) return {};
            if (!trashed)
                return PathFailure(
                    "EntryLog",
                    QT_TRANSLATE_NOOP(
                        "EntryLog",
                        "Cannot move the log %1 to the trash: %2. It stays where it is."),
                    filePath(), trashed.failure().reason);
        }
        QFile file(filePath());
        if (!file.remove())
            return PathFailure("EntryLog",
                               QT_TRANSLATE_NOOP("EntryLog", "Cannot delete the log %1: %2"),
                               filePath(), file.errorString());
        return {};
    });
}

Result<void> EntryLog::locked(const std::function<Result<void>()>& work) const {
    if (!refusal_.isEmpty()) return refused();
    if (const Result<void> made = makeFolder(); !made) return made;
    return holdLock(filePath(), work);
}

Result<void> EntryLog::usable() const {
    if (!refusal_.isEmpty()) return refused();
    QFile file;
    bool missing = false;
    return OpenLogFile(file, filePath(), QIODevice::ReadOnly, &missing);
}

Result<void> EntryLog::makeFolder() const {
    if (QFileInfo(appDir_).isDir()) return {};
    // std::filesystem, unlike QDir, tells why a folder could not be made.
    const std::filesystem::path folder = fsPath(QDir::cleanPath(QDir(appDir_).absolutePath()));
    std::error_code error;
    std::filesystem::create_directories(folder.parent_path(), error);
    if (!error && std::filesystem::create_directory(folder, error)) {
#ifndef Q_OS_WIN
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
#endif
    }
    if (error)
        return PathFailure("EntryLog",
                           QT_TRANSLATE_NOOP("EntryLog", "Cannot create the folder %1: %2"),
                           appDir_, QString::fromLocal8Bit(error.message()));
    return {};
}

void EntryLog::removeLeftovers() const {
    // Where the file system has no unnamed temporary files, QSaveFile writes "KVtemp.dat." plus six
    // letters and renames it; a rewrite killed midway leaves that behind. Under the lock no other
    // copy's rewrite can be using one.
    static const QRegularExpression leftover(QStringLiteral("^KVtemp\\.dat\\.[A-Za-z0-9]{6}$"));
    const QDir dir(appDir_);
    const QStringList names = dir.entryList({QStringLiteral("KVtemp.dat.??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (leftover.match(name).hasMatch()) QFile::remove(dir.filePath(name));
}

}  // namespace kivra
