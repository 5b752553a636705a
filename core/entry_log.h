#pragma once

#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/log_lines.h"  // the format of its lines

class QFile;

namespace kivra {

class AtomicFileWriter;

// Outcome of a log operation: on failure, a message for the user that names the file and the
// system's reason.
struct LogResult {
    bool ok = true;
    QString error;

    explicit operator bool() const { return ok; }
    static LogResult failure(QString message) { return {false, std::move(message)}; }
};

struct ReadResult {
    bool ok = true;
    QStringList lines;
    QString error;
};

// The entry log "KVtemp.dat": one "PATH - DESCRIPTION" line per entry, each ended by CR LF, in the
// system's 8-bit encoding. Every operation opens the file, does its work and closes it again, so
// nothing holds the file between two user actions. Lines are opaque strings: never split.
class EntryLog {
public:
    static constexpr char kFileName[] = "KVtemp.dat";

    // appDir is the directory that holds the log; it is created on the first write. A log given a
    // refusal is neither read nor written: every operation fails with it.
    explicit EntryLog(QString appDir, QString refusal = {});
    // The log in defaultAppDir(), refused where that folder's name cannot be told.
    static EntryLog defaultLog();

    // Where the program keeps its log: beside the executable on Windows, the per-user data
    // directory elsewhere (a build tree or /usr is no place for user data).
    static QString defaultAppDir();

    const QString& appDir() const { return appDir_; }

    // Native separators, for showing to the user.
    QString logPath() const;
    // True only for an ordinary file: not a directory, not hidden (nor a system file on Windows).
    bool logExists() const;
    // Appends one line. A log whose last line lacks its CR LF gets one first, so entries never
    // fuse.
    LogResult appendEntry(const QString& line) const;
    // The same for a line that begins with a path in the file system's own bytes (see
    // EncodeLogLine), so a name that is not valid UTF-8 is written as it is.
    LogResult appendEntry(QByteArrayView nativePath, const QString& rest) const;
    // Appends the lines in one write, synced: all of them or, on a failure, none.
    LogResult appendEntries(const QStringList& lines) const;
    ReadResult readEntries() const;
    // Replaces the log atomically: a failure leaves the old log whole.
    LogResult writeEntries(const QStringList& lines) const;
    // The same for lines already in the log's format: `fill` writes them.
    LogResult writeLogBytes(const std::function<void(AtomicFileWriter&)>& fill) const;
    // Whether writeEntries() could replace the log: its folder (and a link's target's) can be
    // written and so can the log itself. True for a log not yet made.
    bool rewritable() const;
    // Succeeds also when the log is already gone. A linked log is emptied and the link kept.
    LogResult deleteLog() const;
    // The same, but an ordinary log file goes to the desktop's trash where there is one, so it can
    // be restored; without a trash it is deleted.
    LogResult trashLog() const;

    // Holds the log's exclusive lock while `work` runs, so a read and the write that follows it see
    // no other copy's change in between. The operations called inside `work` do not take the lock
    // again.
    LogResult locked(const std::function<LogResult()>& work) const;

    // When the log may not be used, or something other than an ordinary file stands at its path
    // (a folder, say), the message that says so; empty otherwise, also when nothing is there.
    QString notAFileMessage() const;

private:
    QString filePath() const;
    LogResult removeLog(bool toTrash) const;
    // Appends lines already in the log's format, in one synced write.
    LogResult appendLogBytes(const QByteArray& lines) const;
    // The folder with its system's reason when it cannot be made; made private on POSIX.
    LogResult makeFolder() const;
    void removeLeftovers() const;

    QString appDir_;
    QString refusal_;
};

// Opens the log at `logFile` through the checks every opening of it makes. With `missing` given,
// a log that is not there is no failure: `missing` says so and `file` stays closed.
LogResult OpenLogFile(QFile& file, const QString& logFile, QIODevice::OpenMode mode,
                      bool* missing = nullptr);

// For a log, or a line of it, that memory cannot hold: its size is named and it is left as it is.
LogResult TooBigToHold(const QString& logFile, qint64 size);
LogResult LineTooLong(const QString& logFile, qint64 length);

// The size and time of the log, to tell whether it changed since it was read.
struct LogStamp {
    qint64 size = -1;
    QDateTime modified;

    static LogStamp of(const QString& logFile);
    bool operator==(const LogStamp&) const = default;
};

}  // namespace kivra
