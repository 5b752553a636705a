#include "core/export_buffer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cstring>
#include <new>

#include "core/atomic_file_writer.h"
#include "core/rtf_writer.h"
#include "platform/file_writes.h"

namespace kivra {

namespace {

// Where the first line end that is not CR LF shows in `bytes`, which begin a line: at a lone LF,
// just after a lone CR; the size when there is none. A CR last is taken as the first half of a
// CR LF.
qsizetype firstLoneLineEnd(QByteArrayView bytes) {
    if (bytes.isEmpty()) return 0;
    const char* const end = bytes.end();
    for (const char* p = bytes.begin();;) {
        const auto* const lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const char* const stop = lf ? lf : end;
        const auto* const cr = static_cast<const char*>(std::memchr(p, '\r', size_t(stop - p)));
        if (cr && cr + 1 < stop) return cr + 1 - bytes.begin();
        if (!lf) return bytes.size();
        if (!cr) return lf - bytes.begin();
        p = lf + 1;
    }
}

// From this length a text line is written from the log as it is, not copied into the chunk.
constexpr qsizetype kStreamed = 1 << 20;

// The lines at the start of `bytes` that end in CR LF, up to the first that does not.
qsizetype crLfLines(QByteArrayView bytes) {
    return bytes.first(firstLoneLineEnd(bytes)).lastIndexOf('\n') + 1;
}

}  // namespace

ExportBuffer::FileType ExportBuffer::typeFor(const QString& path, FileType picked) {
    if (QFileInfo(path).suffix().isEmpty()) return picked;
    return path.endsWith(QLatin1StringView("txt"), Qt::CaseInsensitive) ? Text : Rtf;
}

Result<void> ExportBuffer::load(const QString& path) {
    auto file = std::make_unique<QFile>();
    if (const Result<void> opened = OpenLogFile(*file, path, QIODevice::ReadOnly); !opened)
        return opened;
    QByteArray bytes;
#ifndef Q_OS_WIN
    // Mapped, not copied: a large log then costs no fresh memory to fill. The log's own rewrite
    // replaces the file, so the mapping keeps what was loaded. Windows would refuse that
    // replacement while it is mapped.
    if (const qint64 size = file->size(); size > 0 && !file->isSequential()) {
        if (const uchar* data = file->map(0, size))
            bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), size);
    }
#endif
    if (bytes.isNull()) {
        try {
            bytes = file->readAll();
        } catch (const std::bad_alloc&) {
            return TooBigToHold(path, file->size());
        }
        if (file->error() != QFileDevice::NoError)
            return PathFailure("ExportBuffer",
                               QT_TRANSLATE_NOOP("ExportBuffer", "Cannot read the log %1: %2"),
                               path, file->errorString());
        file.reset();
    }
    bytes_ = bytes;
    mapped_ = std::move(file);  // only now is the old mapping unused
    loadedFrom_ = path;
    return {};
}

qint64 ExportBuffer::copyCrLfLines(AtomicFileWriter& writer) const {
    if (!mapped_) {
        const qsizetype lines = crLfLines(bytes_);
        writer.write(QByteArrayView(bytes_).first(lines));
        return lines;
    }
    // Read a slice at a time into memory that stays in the cache, each slice checked and written
    // at once: one pass through the log, where checking the mapping and copying took two.
    QByteArray slice(qsizetype(1) << 18, Qt::Uninitialized);
    qint64 done = 0;
    qsizetype have = 0;  // a line begun in the slice before
    if (!mapped_->seek(0)) return 0;
    while (done + have < bytes_.size()) {
        const qint64 got =
            mapped_->read(slice.data() + have,
                          std::min<qint64>(slice.size() - have, bytes_.size() - done - have));
        if (got <= 0) break;  // shortened: told before the rest is read
        have += qsizetype(got);
        const QByteArrayView bytes(slice.constData(), have);
        const qsizetype other = firstLoneLineEnd(bytes);
        const qsizetype lines = bytes.first(other).lastIndexOf('\n') + 1;
        writer.write(bytes.first(lines));
        done += lines;
        if (other < have || lines == 0) break;  // the rest line by line
        std::memmove(slice.data(), slice.constData() + lines, size_t(have - lines));
        have -= lines;
    }
    return done;
}

Result<void> ExportBuffer::save(const QString& path, FileType type) const {
    AtomicFileWriter writer(path);
#ifndef Q_OS_WIN
    // It holds the log's descriptions: private as the log, unless it replaces a file of the
    // user's own that others cannot change, whose mode the replacement keeps.
    const bool keepMode = QFileInfo::exists(path) && !platform::ForeignFile(path);
#endif
    if (writer.open()) {
#ifndef Q_OS_WIN
        if (!keepMode) writer.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
#endif
        // The log as it stands up to its first line not ended by CR LF, which is usually its end.
        const qint64 done = type == Text ? copyCrLfLines(writer) : 0;
        // Another program that shortened the log in place since the load would make reading the
        // mapping fault.
        if (done < bytes_.size() && mapped_ && mapped_->size() < bytes_.size())
            return PathFailure(
                "ExportBuffer", QT_TRANSLATE_NOOP("ExportBuffer", "Cannot read the log %1: %2"),
                loadedFrom_,
                QCoreApplication::translate("ExportBuffer", "it was shortened during the export"));
        qsizetype longest = 0;
        const auto add = [&writer, &longest, type](QByteArrayView line) {
            longest = std::max(longest, line.size());
            if (type == Rtf) {
                AppendRtfParagraph(line, writer.chunk());
            } else if (line.size() >= kStreamed) {
                // Straight from the log: a line too long to copy in memory.
                writer.write(line);
                writer.chunk() += "\r\n";
            } else {
                // The log's own bytes, in its own encoding; only line ends become CR LF.
                writer.chunk() += line;
                writer.chunk() += "\r\n";
            }
            writer.written();
        };
        try {
            if (type == Rtf) AppendRtfHeader(writer.chunk());
            ForEachLogLine(QByteArrayView(bytes_).sliced(done), add);
            if (type == Rtf) AppendRtfFooter(writer.chunk());
        } catch (const std::bad_alloc&) {
            writer.chunk() = QByteArray();  // the room for the message
            return PathFailure("ExportBuffer",
                               QT_TRANSLATE_NOOP("ExportBuffer", "Cannot write %1: %2"), path,
                               QCoreApplication::translate(
                                   "ExportBuffer", "the log holds a line of %1, too long to export")
                                   .arg(QLocale().formattedDataSize(longest)));
        }
        if (writer.commit()) return {};
    }
    return PathFailure("ExportBuffer", QT_TRANSLATE_NOOP("ExportBuffer", "Cannot write %1: %2"),
                       path, writer.errorString());
}

}  // namespace kivra
