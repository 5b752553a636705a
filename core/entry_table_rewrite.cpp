#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <cstring>
#include <new>

#include "core/atomic_file_writer.h"
#include "core/byte_scan.h"
#include "core/entry_table.h"

// The table written back to its log, which another copy may have changed since it was read.

namespace kivra {

Result<void> EntryTable::write(const EntryLog& log, const std::vector<quint32>& order) const {
    return log.writeLogBytes([this, &order](AtomicFileWriter& writer) {
        const char* const end = bytes_.constData() + bytes_.size();
        for (size_t k = 0; k < order.size(); ++k) {
            // Sorted lines lie scattered over the buffer: ask for the ones ahead before they are
            // due.
            if (k + 16 < order.size())
                PrefetchToRead(bytes_.constData() + lines_[order[k + 16]].offset);
            const QByteArrayView bytes = line(order[k]);
            // Most lines are followed by their own CR LF: one append then.
            if (end - bytes.end() >= 2 && bytes.end()[0] == '\r' && bytes.end()[1] == '\n') {
                writer.chunk() += QByteArrayView(bytes.data(), bytes.size() + 2);
            } else {
                writer.chunk() += bytes;
                writer.chunk() += "\r\n";
            }
            writer.written();
        }
    });
}

Result<void> EntryTable::rewrite(const EntryLog& log, const std::vector<quint32>& kept) {
    const QString path = log.logPath();
    // Compared a chunk at a time with what was read before, so the usual case (nothing changed,
    // or another copy appended) holds the log in memory once.
    QFile file;
    bool missing = false;
    if (const Result<void> opened = OpenLogFile(file, path, QIODevice::ReadOnly, &missing); !opened)
        return opened;
    if (missing) return write(log, kept);
    bool unchanged = true;
    QByteArray chunk(qsizetype(1) << 20, Qt::Uninitialized);
    for (qsizetype at = 0; unchanged && at < loadedBytes_;) {
        const qint64 got = file.read(chunk.data(), std::min(chunk.size(), loadedBytes_ - at));
        unchanged = got > 0 && std::memcmp(chunk.constData(), bytes_.constData() + at, got) == 0;
        at += std::max<qint64>(got, 0);
    }
    chunk.clear();
    if (!unchanged) file.seek(0);
    QByteArray rest;
    try {
        rest = file.readAll();
    } catch (const std::bad_alloc&) {
        return TooBigToHold(path, file.size());
    }
    if (file.error() != QFileDevice::NoError)
        return PathFailure("EntryLog", QT_TRANSLATE_NOOP("EntryLog", "Cannot read the log %1: %2"),
                           path, file.errorString());
    file.close();

    // An appended line starts a line of its own only after a line end.
    const char last = loadedBytes_ > 0 ? bytes_[loadedBytes_ - 1] : '\n';
    const bool appendedOnly =
        unchanged && (last == '\n' || (last == '\r' && !rest.startsWith('\n')));
    const quint32 own = size();
    std::vector<quint32> order;
    if (appendedOnly) {
        appendBytes(rest);
        order = merged(kept, sorted(all(own)));
    } else {
        if (unchanged) {
            // The old last line goes on in the log: read it again from its start.
            const QByteArray whole = bytes_.first(loadedBytes_) + rest;
            appendBytes(whole);
        } else {
            appendBytes(rest);
        }
        std::vector<char> isKept(loadedLines_, 0);
        std::vector<quint32> extra;
        for (const quint32 i : kept) {
            if (i < loadedLines_)
                isKept[i] = 1;
            else
                extra.push_back(i);
        }
        QHash<QByteArrayView, int> deleted;
        for (quint32 i = 0; i < loadedLines_; ++i) {
            if (!isKept[i]) ++deleted[line(i)];
        }
        std::vector<quint32> fresh;
        fresh.reserve(size() - own);
        for (quint32 i = own; i < size(); ++i) {
            const auto found = deleted.find(line(i));
            if (found != deleted.end() && *found > 0)
                --*found;
            else
                fresh.push_back(i);
        }
        order = merged(sorted(std::move(fresh)), extra);
    }
    const Result<void> written = write(log, order);
    truncate(own);
    return written;
}

}  // namespace kivra
