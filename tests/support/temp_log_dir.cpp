#include "support/temp_log_dir.h"

#include <QDir>
#include <QFile>

namespace kivra::test {

TempLogDir::TempLogDir() : path_(dir_.path()) {}

QString TempLogDir::logFile() const {
    return QDir(path_).filePath(QLatin1StringView(EntryLog::kFileName));
}

QByteArray TempLogDir::bytes() const {
    QFile file(logFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void TempLogDir::writeBytes(const QByteArray& bytes) const {
    QFile file(logFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

}  // namespace kivra::test
