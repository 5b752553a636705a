#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "core/atomic_file_writer.h"
#include "core/byte_scan.h"
#include "core/entry_table.h"

// The table written back to its log, which another copy may have changed since it was read.

namespace kivra {

namespace {

constexpr quint32 kNoLine = std::numeric_limits<quint32>::max();

}  // namespace

Result<void> EntryTable::write(const EntryLog& log, const std::vector<quint32>& order,
                               const EntryTable& later) const {
    const quint32 own = size();
    const auto at = [this, &later, own](quint32 i) {
        return i < own ? std::pair<const EntryTable*, quint32>{this, i}
                       : std::pair<const EntryTable*, quint32>{&later, i - own};
    };
    return log.writeLogBytes([&order, &at](AtomicFileWriter& writer) {
        for (size_t k = 0; k < order.size(); ++k) {
            // Sorted lines lie scattered over the buffer: ask for the ones ahead before they are
            // due.
            if (k + 16 < order.size()) {
                const auto [table, i] = at(order[k + 16]);
                PrefetchToRead(table->line(i).data());
            }
            const auto [table, i] = at(order[k]);
            const QByteArrayView bytes = table->line(i);
            const char* const end = table->bytes_.constData() + table->bytes_.size();
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

std::vector<quint32> EntryTable::places(const std::vector<quint32>& kept,
                                        const QHash<quint32, quint32>& standsFor,
                                        std::vector<quint32>& others) const {
    std::vector<quint32> place(loadedLines_, kNoLine);
    for (const quint32 i : kept) {
        const quint32 at = i < loadedLines_ ? i : standsFor.value(i, kNoLine);
        if (at < loadedLines_ && place[at] == kNoLine)
            place[at] = i;
        else
            others.push_back(i);
    }
    return place;
}

Result<void> EntryTable::rewrite(const EntryLog& log, const std::vector<quint32>& kept,
                                 const QHash<quint32, quint32>& standsFor) const {
    const QString path = log.logPath();
    std::vector<quint32> others;
    const std::vector<quint32> place = places(kept, standsFor, others);
    std::vector<quint32> order;
    order.reserve(kept.size());
    const auto placed = [&place, &order] {
        for (const quint32 i : place) {
            if (i != kNoLine) order.push_back(i);
        }
    };
    // Compared a chunk at a time with what was read before, so the usual case (nothing changed,
    // or another copy appended) holds the log in memory once.
    QFile file;
    bool missing = false;
    if (const Result<void> opened = OpenLogFile(file, path, QIODevice::ReadOnly, &missing); !opened)
        return opened;
    if (missing) {
        placed();
        order.insert(order.end(), others.begin(), others.end());
        return write(log, order, EntryTable());
    }
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
    // The log's lines since: those appended, or all of it where it changed otherwise; they
    // count on past this table's own.
    const quint32 own = size();
    EntryTable later;
    if (appendedOnly) {
        later.appendBytes(rest);
        placed();
        for (quint32 i = 0; i < later.size(); ++i) order.push_back(own + i);
    } else {
        if (unchanged) {
            // The old last line goes on in the log: read it again from its start.
            later.appendBytes(bytes_.first(loadedBytes_) + rest);
        } else {
            later.appendBytes(rest);
        }
        // The log as it is now, in its order: a line equal to one read and left out or mended
        // here goes, or gives way to its mended line, once per line read.
        QHash<QByteArrayView, std::vector<quint32>> changed;
        for (quint32 i = loadedLines_; i-- > 0;) {
            if (place[i] != i) changed[line(i)].push_back(i);
        }
        std::vector<char> met(loadedLines_, 0);
        for (quint32 i = 0; i < later.size(); ++i) {
            const auto found = changed.find(later.line(i));
            if (found == changed.end() || found->empty()) {
                order.push_back(own + i);
                continue;
            }
            const quint32 read = found->back();
            found->pop_back();
            met[read] = 1;
            if (place[read] != kNoLine) order.push_back(place[read]);
        }
        // Mends of lines no longer in the log are not lost.
        for (quint32 i = 0; i < loadedLines_; ++i) {
            if (!met[i] && place[i] != i && place[i] != kNoLine) order.push_back(place[i]);
        }
    }
    order.insert(order.end(), others.begin(), others.end());
    return write(log, order, later);
}

}  // namespace kivra
