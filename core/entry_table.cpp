#include "core/entry_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "core/byte_scan.h"
#include "core/text_fold.h"
#include "platform/large_pages.h"

namespace kivra {

namespace {

// At most `size` bytes of a line, cut back to the first byte of a character.
QByteArrayView leading(QByteArrayView line, qsizetype size) {
    if (line.size() <= size) return line;
    for (int back = 0; back < 3 && (uchar(line[size]) & 0xC0) == 0x80; ++back) --size;
    return line.first(size);
}

// Line lengths are kept in 32 bits.
constexpr qsizetype kLongestLine = std::numeric_limits<qint32>::max();
// What a table read from a log keeps free for lines added later (edits, re-pointed entries).
constexpr qsizetype kEditBytes = 64 << 10;
constexpr quint32 kEditLines = 256;

qsizetype LongestLine(QByteArrayView bytes) {
    qsizetype longest = 0;
    for (const char *p = bytes.begin(), *end = bytes.end(); p < end; ++p) {
        const char* const lineEnd = FindLineEnd(p, end);
        longest = std::max<qsizetype>(longest, lineEnd - p);
        p = lineEnd;
    }
    return longest;
}

// Eight key bytes from `depth` on, the sort's unit of work; `rest` tells a key that ends
// within them (its length) from one that goes on (9).
struct Chunk {
    quint64 bytes;
    quint32 line;
    quint32 rest;
};

}  // namespace

bool EntryLessThan(const QString& a, const QString& b) { return TieLess(a, b); }

QByteArray EntryTable::foldedKey(QByteArrayView line, qsizetype limit) {
    QByteArray key;
    AppendFolded(DecodeLogLine(leading(line, limit)), key);
    return key;
}

Result<void> EntryTable::load(const QString& path, const Progress& progress) {
    QFile file;
    if (const Result<void> opened = OpenLogFile(file, path, QIODevice::ReadOnly); !opened)
        return opened;
    const quint32 before = size();
    try {
        // With room after the bytes for a few edits' lines: an edit appends its line there, on
        // the window's thread, without copying the log.
        QByteArray data;
        const qint64 expected = file.size();
        data.reserve(expected + kEditBytes);
        // Large pages where the system has them: filling a log of tens of megabytes then takes
        // a fault per 2 MiB, not per 4 KiB.
        platform::PreferLargePages(data.data(), size_t(data.capacity()));
        data.resize(expected);
        const qint64 got = file.read(data.data(), expected);
        data.resize(std::max<qint64>(got, 0));
        if (got == expected) data += file.readAll();  // a log grown since
        if (file.error() != QFileDevice::NoError)
            return PathFailure("EntryLog",
                               QT_TRANSLATE_NOOP("EntryLog", "Cannot read the log %1: %2"), path,
                               file.errorString());
        // Only a log that long can hold a line that long.
        if (data.size() > kLongestLine)
            if (const qsizetype longest = LongestLine(data); longest > kLongestLine)
                return LineTooLong(path, longest);
        if (lines_.empty() && bytes_.isEmpty()) {
            bytes_ = std::move(data);
            if (!indexFrom(0, progress)) {
                *this = EntryTable();
                return Failure{};
            }
            loadedLines_ = size();
            loadedBytes_ = bytes_.size();
        } else {
            appendBytes(data);
        }
    } catch (const std::bad_alloc&) {
        if (before == 0)
            *this = EntryTable();
        else
            truncate(before);
        return TooBigToHold(path, file.size());
    }
    return {};
}

void EntryTable::appendBytes(QByteArrayView bytes) {
    const qsizetype from = bytes_.size();
    bytes_ += bytes;
    indexFrom(from, {});
}

bool EntryTable::indexFrom(qsizetype from, const Progress& progress) {
    const QByteArrayView rest = QByteArrayView(bytes_).sliced(from);
    if (rest.isEmpty()) return true;
    const bool ended = rest.back() == '\n' || rest.back() == '\r';
    const quint32 total = size() + quint32(CountLineEnds(rest)) + (ended ? 0 : 1);
    // Room for a few edits, so that an edit, on the window's thread, does not copy the index.
    if (total > lines_.capacity()) lines_.reserve(total + kEditLines);
    if (!progress) {
        index(from, bytes_.size());
        return true;
    }
    // A few milliseconds of lines at a time, each step ending after a line feed.
    constexpr qsizetype kStep = 4 << 20;
    for (qsizetype at = from; at < bytes_.size();) {
        qsizetype to = bytes_.size();
        if (bytes_.size() - at > kStep)
            if (const qsizetype feed = bytes_.indexOf('\n', at + kStep); feed >= 0) to = feed + 1;
        index(at, to);
        at = to;
        if (!progress(size(), total)) return false;
    }
    return true;
}

void EntryTable::index(qsizetype from, qsizetype to) {
    const QByteArrayView rest = QByteArrayView(bytes_).sliced(from, to - from);
    if (rest.isEmpty()) return;
    const char* const base = bytes_.constData();
    ForEachLogLine(rest, [this, base](QByteArrayView line) {
        const auto at = static_cast<quint32>(lines_.size());
        const auto offset = quint64(line.data() - base);
        while (offset >> 32 > farLines_.size()) farLines_.push_back(at);
        if (at % 64 == 0) {
            keyedBits_.push_back(0);
            keyedBefore_.push_back(static_cast<quint32>(keys_.size()));
        }
        if (!IsAscii(line)) {
            keyedBits_.back() |= quint64(1) << (at % 64);
            keys_.push_back(foldedKey(line));
            keyedLines_.push_back(at);
        }
        lines_.push_back({quint32(offset), quint32(line.size())});
    });
}

void EntryTable::truncate(quint32 count) {
    if (count >= size()) return;
    const quint32 keysKept = keyIndex(count);
    keys_.resize(keysKept);
    keyedLines_.resize(keysKept);
    bytes_.truncate(offset(count));
    lines_.resize(count);
    keyedBits_.resize((count + 63) / 64);
    keyedBefore_.resize(keyedBits_.size());
    if (count % 64 != 0) keyedBits_.back() &= (quint64(1) << (count % 64)) - 1;
    farLines_.erase(std::lower_bound(farLines_.begin(), farLines_.end(), count), farLines_.end());
    loadedLines_ = std::min(loadedLines_, count);
    loadedBytes_ = std::min(loadedBytes_, bytes_.size());
}

QString EntryTable::shown(quint32 i) const {
    const QByteArrayView bytes = leading(line(i), kShownBytes);
    QString text = DecodeLogLine(bytes);
    if (text.size() > kShownChars) {
        const qsizetype keep =
            text[kShownChars - 1].isHighSurrogate() ? kShownChars - 1 : kShownChars;
        text.truncate(keep);
        text += u'…';
    }
    return text;
}

std::vector<quint32> EntryTable::all(quint32 first) const {
    std::vector<quint32> lines(size() - std::min(first, size()));
    for (quint32 i = 0; i < lines.size(); ++i) lines[i] = first + i;
    return lines;
}

bool EntryTable::tieLess(quint32 a, quint32 b) const {
    if (!keyed(a) && !keyed(b)) {
        // Equal keys: ASCII lines that differ in letter case only, whose code unit order is
        // their byte order.
        const QByteArrayView la = line(a);
        const QByteArrayView lb = line(b);
        const int byBytes = std::memcmp(la.data(), lb.data(), std::min(la.size(), lb.size()));
        return byBytes != 0 ? byBytes < 0 : la.size() < lb.size();
    }
    return EntryLessThan(text(a), text(b));
}

bool EntryTable::less(quint32 a, quint32 b) const {
    const QByteArrayView ka = key(a);
    const QByteArrayView kb = key(b);
    const qsizetype common = std::min(ka.size(), kb.size());
    // Keys mostly share a long start: eight bytes at a time up to the first that differs.
    qsizetype i = 0;
    for (; i + 8 <= common; i += 8) {
        const quint64 a8 = qFromLittleEndian<quint64>(ka.data() + i);
        const quint64 b8 = qFromLittleEndian<quint64>(kb.data() + i);
        if (a8 == b8) continue;
        const quint64 fa = LowerCaseEight(a8), fb = LowerCaseEight(b8);
        if (fa == fb) continue;
        const int at = std::countr_zero(fa ^ fb) / 8 * 8;
        return uchar(fa >> at) < uchar(fb >> at);
    }
    for (; i < common; ++i) {
        const uchar fa = kLowerCaseByte[uchar(ka[i])];
        const uchar fb = kLowerCaseByte[uchar(kb[i])];
        if (fa != fb) return fa < fb;
    }
    if (ka.size() != kb.size()) return ka.size() < kb.size();
    return tieLess(a, b);
}

std::vector<quint32> EntryTable::sorted(std::vector<quint32> lines) const {
    // Most keys share a long start (the same folders), so a comparison sort would walk it again
    // for every comparison. Instead: sort by eight bytes at a time, then only the runs that
    // agree so far by the next eight, with the bytes held beside the index.
    // bench/run 'View Current, 1,000,000 entries' needs it: std::sort with less() is 36x slower.
    // A piece at a time, then merged: the bytes beside a million lines at once would take a
    // fifth of the log again.
    constexpr size_t kPiece = 1 << 16;
    std::vector<Chunk> chunks(std::min(lines.size(), kPiece));
    const auto byChunk = [](const Chunk& x, const Chunk& y) {
        return x.bytes != y.bytes ? x.bytes < y.bytes : x.rest < y.rest;
    };
    const auto sameChunk = [](const Chunk& x, const Chunk& y) {
        return x.bytes == y.bytes && x.rest == y.rest;
    };
    struct Run {
        size_t from;
        size_t to;
        qsizetype depth;
    };
    std::vector<Run> todo;
    for (size_t piece = 0; piece < lines.size(); piece += kPiece) {
        const size_t count = std::min(kPiece, lines.size() - piece);
        for (size_t i = 0; i < count; ++i) chunks[i].line = lines[piece + i];
        if (count > 1) todo.push_back({0, count, 0});
        while (!todo.empty()) {
            const Run run = todo.back();
            todo.pop_back();
            Chunk* const first = chunks.data() + run.from;
            Chunk* const last = chunks.data() + run.to;
            bool allSame = true;
            for (Chunk* c = first; c != last; ++c) {
                const QByteArrayView k = key(c->line);
                const qsizetype left = k.size() - run.depth;
                const qsizetype take = std::min<qsizetype>(left, 8);
                const uchar* p = reinterpret_cast<const uchar*>(k.data()) + run.depth;
                quint64 bytes = 0;
                for (qsizetype j = 0; j < take; ++j) bytes = (bytes << 8) | kLowerCaseByte[p[j]];
                c->bytes = take == 0 ? 0 : bytes << (8 * (8 - take));
                c->rest = static_cast<quint32>(std::min<qsizetype>(left, 9));
                allSame = allSame && sameChunk(*c, *first);
            }
            if (!allSame) std::sort(first, last, byChunk);
            for (Chunk* group = first; group != last;) {
                Chunk* end = group + 1;
                while (end != last && sameChunk(*end, *group)) ++end;
                if (end - group > 1) {
                    if (group->rest > 8)
                        todo.push_back({size_t(group - chunks.data()), size_t(end - chunks.data()),
                                        run.depth + 8});
                    else
                        std::sort(group, end, [this](const Chunk& x, const Chunk& y) {
                            return tieLess(x.line, y.line);
                        });
                }
                group = end;
            }
        }
        for (size_t i = 0; i < count; ++i) lines[piece + i] = chunks[i].line;
    }
    chunks = {};
    const auto less = [this](quint32 a, quint32 b) { return this->less(a, b); };
    for (size_t width = kPiece; width < lines.size(); width *= 2)
        for (size_t at = 0; at + width < lines.size(); at += 2 * width)
            std::inplace_merge(lines.begin() + at, lines.begin() + at + width,
                               lines.begin() + std::min(at + 2 * width, lines.size()), less);
    return lines;
}

std::vector<quint32> EntryTable::merged(const std::vector<quint32>& a,
                                        const std::vector<quint32>& b) const {
    // `b` is mostly a few lines: each is placed by a binary search.
    std::vector<quint32> out;
    out.reserve(a.size() + b.size());
    auto from = a.begin();
    for (const quint32 line : b) {
        const auto at = std::upper_bound(from, a.end(), line,
                                         [this](quint32 x, quint32 y) { return less(x, y); });
        out.insert(out.end(), from, at);
        out.push_back(line);
        from = at;
    }
    out.insert(out.end(), from, a.end());
    return out;
}

}  // namespace kivra
