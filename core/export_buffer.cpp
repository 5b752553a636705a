#include "core/export_buffer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/rtf_writer.h"

namespace kivra {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("ExportBuffer", text); }

LogResult failure(const char* what, const QString& path, const QString& reason) {
    return LogResult::failure(tr(what).arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

LogResult ExportBuffer::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure("Cannot open the log %1: %2", path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure("Cannot read the log %1: %2", path, file.errorString());
    bytes_ = bytes;
    return {};
}

LogResult ExportBuffer::SaveFile(const QString& path, FileType type) const {
    QByteArray bytes;
    if (type == Rtf) {
        bytes = WriteRtfFromLog(bytes_);
    } else {
        // The log's own bytes, in its own encoding; only line ends are made CR LF.
        bytes.reserve(bytes_.size() + 2);
        entry_log_detail::forEachLine(bytes_, [&bytes](QByteArrayView line) {
            bytes += line;
            bytes += "\r\n";
        });
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure("Cannot write %1: %2", path, file.errorString());
    // A full disk can show as a short write or only at flush; either must not commit.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : tr("the disk is full or the file is too large");
        file.cancelWriting();
        file.commit();
        return failure("Cannot write %1: %2", path, reason);
    }
    if (!file.commit()) return failure("Cannot write %1: %2", path, file.errorString());
    return {};
}

}  // namespace kivra
