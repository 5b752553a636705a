#include "core/export_buffer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/atomic_file_writer.h"
#include "core/rtf_writer.h"

namespace kivra {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("ExportBuffer", text); }

LogResult failure(const char* what, const QString& path, const QString& reason) {
    return LogResult::failure(tr(what).arg(QDir::toNativeSeparators(path), reason));
}

// Every line already ended by CR LF and no other line end: the text export is then the bytes
// themselves.
bool endsEveryLineWithCrLf(QByteArrayView bytes) {
    if (bytes.isEmpty()) return true;
    if (!bytes.endsWith("\r\n") || bytes.front() == '\n') return false;
    // Each LF right after a CR and each CR right before an LF; without branches, so the compiler
    // can check many bytes at a time.
    const auto* const p = reinterpret_cast<const uchar*>(bytes.data());
    unsigned mismatches = 0;
    for (qsizetype i = 1; i < bytes.size(); ++i)
        mismatches |= unsigned(p[i] == '\n') ^ unsigned(p[i - 1] == '\r');
    return mismatches == 0;
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
    AtomicFileWriter writer(path);
    if (writer.open()) {
        if (type == Text && endsEveryLineWithCrLf(bytes_)) {
            writer.write(bytes_);
        } else {
            if (type == Rtf) AppendRtfHeader(writer.chunk());
            entry_log_detail::forEachLine(bytes_, [&writer, type](QByteArrayView line) {
                if (type == Rtf) {
                    AppendRtfParagraph(line, writer.chunk());
                } else {
                    // The log's own bytes, in its own encoding; only line ends become CR LF.
                    writer.chunk() += line;
                    writer.chunk() += "\r\n";
                }
                writer.written();
            });
            if (type == Rtf) AppendRtfFooter(writer.chunk());
        }
        if (writer.commit()) return {};
    }
    return failure("Cannot write %1: %2", path, writer.errorString());
}

}  // namespace kivra
