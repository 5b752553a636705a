#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "core/entry_log.h"

namespace kivra::test {

// A fresh application directory with an entry log in it, removed after the test.
class TempLogDir {
public:
    const QString& path() const { return path_; }
    EntryLog log() const { return EntryLog(path_); }
    QString logFile() const { return QDir(path_).filePath(QLatin1StringView(EntryLog::kFileName)); }

    // The log's raw bytes; empty when the file is missing.
    QByteArray bytes() const {
        QFile file(logFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeBytes(const QByteArray& bytes) const {
        QFile file(logFile());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
    }

private:
    QTemporaryDir dir_;
    QString path_ = dir_.path();
};

}  // namespace kivra::test
