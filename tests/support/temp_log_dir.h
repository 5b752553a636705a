#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "core/entry_log.h"

namespace kivra::test {

// A fresh application directory with an entry log in it, removed after the test.
class TempLogDir {
public:
    TempLogDir();

    const QString& path() const { return path_; }
    EntryLog log() const { return EntryLog(path_); }
    QString logFile() const;

    // The log's raw bytes; empty when the file is missing.
    QByteArray bytes() const;
    void writeBytes(const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString path_;
};

}  // namespace kivra::test
