#include "core/export_buffer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/atomic_file_writer.h"
#include "core/rtf_writer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    // Each LF right after a CR and each CR right before an LF: each byte's test against the one
    // before it, sixteen at a time where SSE2 is there; at -O2 the compiler does not do it for us.
    const auto* const p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    unsigned mismatches = 0;
    qsizetype i = 1;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    __m128i any = _mm_setzero_si128();
    for (; i + 16 <= size; i += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i - 1));
        any =
            _mm_or_si128(any, _mm_xor_si128(_mm_cmpeq_epi8(here, lf), _mm_cmpeq_epi8(before, cr)));
    }
    mismatches = unsigned(_mm_movemask_epi8(any));
#endif
    for (; i < size; ++i) mismatches |= unsigned(p[i] == '\n') ^ unsigned(p[i - 1] == '\r');
    return mismatches == 0;
}

}  // namespace

LogResult ExportBuffer::LoadFile(const QString& path) {
    auto file = std::make_unique<QFile>();
    if (const LogResult opened = OpenLogFile(*file, path, QIODevice::ReadOnly); !opened)
        return opened;
    QByteArray bytes;
#ifndef Q_OS_WIN
    // Mapped, not copied: a large log then costs no fresh memory to fill, and a text export
    // writes straight from the system's cache. The log's own rewrite replaces the file, so the
    // mapping keeps what was loaded. Windows would refuse that replacement while it is mapped.
    if (const qint64 size = file->size(); size > 0 && !file->isSequential()) {
        if (const uchar* data = file->map(0, size))
            bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), size);
    }
#endif
    if (bytes.isNull()) {
        bytes = file->readAll();
        if (file->error() != QFileDevice::NoError)
            return failure("Cannot read the log %1: %2", path, file->errorString());
        file.reset();
    }
    crLfOnly_ = endsEveryLineWithCrLf(bytes);
    bytes_ = bytes;
    mapped_ = std::move(file);  // only now is the old mapping unused
    loadedFrom_ = path;
    return {};
}

LogResult ExportBuffer::SaveFile(const QString& path, FileType type) const {
    // Another program that shortened the log in place since the load would make reading the
    // mapping fault; the one write of a text export only fails.
    const bool copyOnly = type == Text && crLfOnly_;
    if (!copyOnly && mapped_ && mapped_->size() < bytes_.size())
        return failure("Cannot read the log %1: %2", loadedFrom_,
                       tr("it was shortened during the export"));
    AtomicFileWriter writer(path);
    if (writer.open()) {
        if (copyOnly && mapped_) {
            writer.copy(*mapped_, bytes_);
        } else if (copyOnly) {
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
