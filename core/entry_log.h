#pragma once

#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>

#include "core/log_lines.h"  // the format of its lines
#include "platform/result.h"

class QFile;

namespace kivra {

class AtomicFileWriter;

// The entry log "KVtemp.dat": one "PATH - DESCRIPTION" line per entry, each ended by CR LF, in the
// system's 8-bit encoding. Every operation opens the file, does its work and closes it again, so
// nothing holds the file between two user actions. Lines are opaque strings: never split. A
// failure's message names the file.
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
    Result<void> appendEntry(const QString& line) const;
    // The same for a line that begins with a path in the file system's own bytes (see
    // EncodeLogLine), so a name that is not valid UTF-8 is written as it is.
    Result<void> appendEntry(QByteArrayView nativePath, const QString& rest) const;
    // Appends the lines in one write, synced: all of them or, on a failure, none.
    Result<void> appendEntries(const QStringList& lines) const;
    Result<QStringList> readEntries() const;
    // Replaces the log atomically: a failure leaves the old log whole.
    Result<void> writeEntries(const QStringList& lines) const;
    // The same for lines already in the log's format: `fill` writes them.
    Result<void> writeLogBytes(const std::function<void(AtomicFileWriter&)>& fill) const;
    // Whether writeEntries() could replace the log: its folder (and a link's target's) can be
    // written and so can the log itself. True for a log not yet made.
    bool rewritable() const;
    // Succeeds also when the log is already gone. A linked log is emptied and the link kept.
    Result<void> deleteLog() const;
    // The same, but an ordinary log file goes to the desktop's trash where there is one, so it can
    // be restored; without a trash it is deleted.
    Result<void> trashLog() const;

    // Holds the log's exclusive lock while `work` runs, so a read and the write that follows it see
    // no other copy's change in between. The operations called inside `work` do not take the lock
    // again.
    Result<void> locked(const std::function<Result<void>()>& work) const;

    // Fails when the log may not be used, or something other than an ordinary file stands at its
    // path (a folder, say); succeeds also when nothing is there.
    Result<void> usable() const;
    // The same, the log opened to read in `file` where it is there; `missing` where it is not.
    Result<void> openToRead(QFile& file, bool& missing) const;

private:
    QString filePath() const;
    Failure refused() const { return {refusal_, {}}; }
    Result<void> removeLog(bool toTrash) const;
    // Appends lines already in the log's format, in one synced write.
    Result<void> appendLogBytes(const QByteArray& lines) const;
    // The folder with its system's reason when it cannot be made; made private on POSIX.
    Result<void> makeFolder() const;
    void removeLeftovers() const;

    QString appDir_;
    QString refusal_;
};

// Opens the log at `logFile` through the checks every opening of it makes. With `missing` given,
// a log that is not there is no failure: `missing` says so and `file` stays closed.
Result<void> OpenLogFile(QFile& file, const QString& logFile, QIODevice::OpenMode mode,
                         bool* missing = nullptr);

// For a log, or a line of it, that memory cannot hold: its size is named and it is left as it is.
Failure TooBigToHold(const QString& logFile, qint64 size);
Failure LineTooLong(const QString& logFile, qint64 length);

// The size and time of the log, to tell whether it changed since it was read.
struct LogStamp {
    qint64 size = -1;
    QDateTime modified;

    static LogStamp of(const QString& logFile);
    bool operator==(const LogStamp&) const = default;
};

}  // namespace kivra
