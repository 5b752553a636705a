#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/result.h"

namespace kivra::platform {

// Every opening of the log goes through here, so a log in a folder another user can change, or a
// link that points elsewhere, is never read or written.
enum class LogUse {
    Read,     // an existing log; `missing` when there is none
    Append,   // created private when missing
    Replace,  // the checks only: `file` is what a rewrite replaces, in a folder that can be written
};

struct LogOpening {
    int fd = -1;           // a C runtime descriptor the caller owns; -1 unless opened
    bool missing = false;  // no log there, which is no failure
    bool linked = false;   // the log is a link (of the user's own) to `file`
    QString file;          // what is read or written: the log, or its link's target
};

// `folder` holds the log `name`. A failure names the path, what is wrong and, for a refusal, the
// mend.
Result<LogOpening> OpenLog(const QString& folder, const QString& name, LogUse use);

void CloseDescriptor(int fd);

// The undo record an append keeps beside the log ("NAME.undo") while it writes, so the next
// opening can take back an append cut short. Like the lock file it must be the user's own
// ordinary file in the log's folder; anything else there is refused, with the mend. The file
// stays once made, at one size, and is overwritten in place: a sync of it then writes one block
// and commits nothing to the file system's journal.
constexpr qsizetype kUndoRecordSize = 128;
// Its bytes, or nothing where there is none or it was cleared.
Result<std::optional<QByteArray>> ReadUndoRecord(const QString& folder, const QString& name);
// Replaces any record; on the disk before it returns where `durable`. False where the folder
// cannot be written, so no record can be kept (the log is then locked in place).
Result<bool> WriteUndoRecord(const QString& folder, const QString& name, const QByteArray& bytes,
                             bool durable);
// Leaves no record, on the disk too where `durable`; nothing to do where there is none.
void ClearUndoRecord(const QString& folder, const QString& name, bool durable);

// The log's exclusive lock, held until the object goes. Taken on a lock file beside the log, or
// on the log itself where the folder cannot be written; the system lets go of it when the process
// ends, so a copy that died holding it is no obstacle.
class LogLock {
public:
    enum Outcome { Taken, Busy };

    LogLock() = default;
    ~LogLock();
    LogLock(const LogLock&) = delete;
    LogLock& operator=(const LogLock&) = delete;

    // Tries for `waitMs`.
    Result<Outcome> take(const QString& folder, const QString& name, int waitMs);

    // Once taken, the undo record of the locked log, as the functions above give and keep it. The
    // lock opens it once, in the folder it checked, and writes it in place from then on: an
    // append pays for two writes, not two more openings.
    Result<std::optional<QByteArray>> readUndoRecord();
    Result<bool> writeUndoRecord(const QByteArray& bytes, bool durable);
    void clearUndoRecord(bool durable);

private:
    void release();

    qintptr handle_ = -1;
    int folder_ = -1;
    QByteArray lockName_;  // removed on release; empty when the log itself is locked
    QString folderPath_, name_;
    int record_ = -1;  // the record opened for reading and writing, once read
    bool recordTooLong_ = false;
};

}  // namespace kivra::platform
