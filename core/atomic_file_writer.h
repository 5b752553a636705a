#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QSaveFile>
#include <QString>

#include "platform/file_writes.h"

namespace kivra {

// Writes all of `bytes` to an unbuffered `file`, or fails with the system's reason set on it.
inline bool WriteAll(QFileDevice& file, QByteArrayView bytes) {
    // A write cut short sets no error; the next one fails at once and tells why.
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0) return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

// Writes a file in chunks through QSaveFile, so the old file stays whole until the new one is
// complete. Unbuffered: a full disk would otherwise show only at flush, with no reason given;
// every write is checked and any failure cancels the save.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path) : file_(path) { chunk_.reserve(kChunk + 4096); }

    bool open() { return file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || fail(); }
    // Of the new file, once open.
    bool setPermissions(QFileDevice::Permissions permissions) {
        return file_.setPermissions(permissions);
    }

    // Append to this, then call written().
    QByteArray& chunk() { return chunk_; }
    void written() {
        if (chunk_.size() >= kChunk) writeChunk();
    }

    // Bytes too many to copy into a chunk first.
    void write(QByteArrayView bytes) {
        if (!chunk_.isEmpty()) writeChunk();
        if (ok_ && !WriteAll(file_, bytes)) fail();
        wrote(bytes.size());
    }

    // False, with the old file untouched, if any part could not be written.
    bool commit() {
        if (ok_ && !chunk_.isEmpty()) writeChunk();
        if (ok_ && !file_.flush()) fail();
        if (!ok_) {
            file_.cancelWriting();
            file_.commit();
            return false;
        }
        return file_.commit() || fail();
    }

    QString errorString() const { return reason_; }

private:
    static constexpr qsizetype kChunk = 1 << 20;
    static constexpr qsizetype kWriteBack = 8 << 20;

    // Every few megabytes the disk is set to work, so the commit's sync has little left to wait
    // for.
    void wrote(qsizetype bytes) {
        unsent_ += bytes;
        if (unsent_ < kWriteBack || !ok_) return;
        platform::StartWriteBack(file_);
        unsent_ = 0;
    }

    void writeChunk() {
        if (ok_ && !WriteAll(file_, chunk_)) fail();
        wrote(chunk_.size());
        chunk_.resize(0);  // keeps the allocation: no page faults for every chunk
    }
    bool fail() {
        ok_ = false;
        if (reason_.isEmpty())
            reason_ = file_.error() != QFileDevice::NoError
                          ? file_.errorString()
                          : QCoreApplication::translate(
                                "AtomicFileWriter", "the disk is full or the file is too large");
        return false;
    }

    QSaveFile file_;
    QByteArray chunk_;
    QString reason_;
    qsizetype unsent_ = 0;
    bool ok_ = true;
};

}  // namespace kivra
