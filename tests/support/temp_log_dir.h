#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "core/entry_log.h"

namespace kivra::test {

// A file's bytes; empty when it is missing.
inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// A result's failure message; empty when it succeeded.
template <typename T>
QString Said(const Result<T>& result) {
    return result ? QString() : result.failure().message;
}

// The log's lines; none where it cannot be read.
inline QStringList LinesOf(const EntryLog& log) {
    const Result<QStringList> read = log.readEntries();
    return read ? *read : QStringList();
}

// A fresh application directory with an entry log in it, removed after the test.
class TempLogDir {
public:
    const QString& path() const { return path_; }
    EntryLog log() const { return EntryLog(path_); }
    QString logFile() const { return QDir(path_).filePath(QLatin1StringView(EntryLog::kFileName)); }
    QByteArray bytes() const { return FileBytes(logFile()); }
    void writeBytes(const QByteArray& bytes) const { WriteFile(logFile(), bytes); }

private:
    QTemporaryDir dir_;
    QString path_ = dir_.path();
};

}  // namespace kivra::test
