#include "core/description_index.h"

#include <QCoreApplication>
#include <QFile>
#include <QHashFunctions>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

#include "core/byte_scan.h"

namespace kivra {

namespace {

#ifdef Q_OS_WIN
constexpr char kSeparator = '\\';
constexpr qsizetype kRootLength = 3;  // "C:\"
constexpr bool kLogIsUtf8 = false;
#else
constexpr char kSeparator = '/';
constexpr qsizetype kRootLength = 1;
constexpr bool kLogIsUtf8 = true;
#endif
constexpr QByteArrayView kDash(" - ");
constexpr QByteArrayView kBom("\xEF\xBB\xBF");
constexpr int kLengthBits = 24;
constexpr quint64 kLengthMask = (quint64(1) << kLengthBits) - 1;
// PATH_MAX: no path is longer, so the rest of a long line is description and is not searched.
constexpr qsizetype kLongestPath = 4096;
// Of a longer line only this much is kept: far more than any path and any tooltip shows.
constexpr qsizetype kLongestKept = qsizetype(1) << 20;

// The form a path is filed and looked up by.
QByteArray folded(QByteArrayView path) {
#ifdef Q_OS_WIN
    return QString::fromUtf8(path).toCaseFolded().toUtf8();
#else
    return path.toByteArray();
#endif
}

// A directory without its trailing separator, except at a root.
QByteArrayView trimmed(QByteArrayView path) {
    if (path.size() > kRootLength && path.endsWith(kSeparator)) path.chop(1);
    return path;
}

// Eight bytes at a time, so that each beginning of a line extends the hash of the one before it
// by the words it adds.
quint64 hashStep(quint64 state, quint64 word) {
    state = (state ^ word) * 0x9e3779b97f4a7c15;
    return state ^ (state >> 29);
}

// The hashes of a line's beginnings, in growing length: each costs only the bytes it adds.
class PrefixHashes {
public:
    explicit PrefixHashes(QByteArrayView line) : line_(line) {}
    size_t of(qsizetype length) {
#ifdef Q_OS_WIN
        // Folding is not by bytes.
        const QByteArray key = folded(line_.first(length));
        return PrefixHashes(key).hash(key.size());
#else
        return hash(length);
#endif
    }
    size_t hash(qsizetype length) {
        for (; done_ + 8 <= length; done_ += 8) {
            quint64 word;
            std::memcpy(&word, line_.data() + done_, 8);
            state_ = hashStep(state_, word);
        }
        quint64 tail = quint64(length);
        for (qsizetype i = done_; i < length; ++i) tail = tail << 8 | uchar(line_[i]);
        quint64 h = hashStep(state_, tail);
        // Only the low bits pick the bucket.
        h *= 0xff51afd7ed558ccd;
        return size_t(h ^ (h >> 32));
    }

private:
    QByteArrayView line_;
    qsizetype done_ = 0;
    quint64 state_ = 0xcbf29ce484222325;
};

size_t hashOf(QByteArrayView path) { return PrefixHashes(path).of(path.size()); }

// Where " - " next begins at or after `from`, or -1; the dash is rarer than the spaces.
qsizetype indexOfDash(QByteArrayView text, qsizetype from) {
    if (text.size() - from < kDash.size()) return -1;
    const char* const begin = text.data();
    const char* const last = begin + text.size() - 1;  // a dash needs a space after it
    for (const char* p = begin + from + 1; p < last; ++p) {
        p = static_cast<const char*>(std::memchr(p, '-', size_t(last - p)));
        if (!p) break;
        if (p[-1] == ' ' && p[1] == ' ') return p - 1 - begin;
    }
    return -1;
}

// Where a path can end: no path is longer than kLongestPath.
QByteArrayView pathRoom(QByteArrayView line) {
    return line.first(std::min(line.size(), kLongestPath + kDash.size()));
}

}  // namespace

Result<void> DescriptionIndex::load(const QString& logFile, qsizetype slice) {
    QFile file;
    bool missing = false;
    if (const Result<void> opened = OpenLogFile(file, logFile, QIODevice::ReadOnly, &missing);
        !opened)
        return opened;
    if (missing) return {};
    try {
        // Room for the whole text where there is some; where not (a log bigger than memory, a
        // sparse one), it grows as the lines come.
        try {
            if (text_.isEmpty()) text_.reserve(file.size());
        } catch (const std::bad_alloc&) {
        }
        QByteArray bytesRead;
        qsizetype pending = 0;  // the start of a line not ended yet, at the slice's front
        bool skipping = false;  // the rest of a line cut short
        for (;;) {
            bytesRead.resize(pending + slice);
            const qint64 got = file.read(bytesRead.data() + pending, slice);
            if (got < 0)
                return PathFailure("EntryLog",
                                   QT_TRANSLATE_NOOP("EntryLog", "Cannot read the log %1: %2"),
                                   logFile, file.errorString());
            const QByteArrayView bytes(bytesRead.constData(), pending + got);
            // Cut after the last line end, but for a CR last: the LF after it may be still to come.
            qsizetype cut = bytes.size();
            if (got > 0) {
                if (cut > 0 && bytes[cut - 1] == '\r') --cut;
                while (cut > 0 && bytes[cut - 1] != '\n' && bytes[cut - 1] != '\r') --cut;
            }
            QByteArrayView lines = bytes.first(cut);
            if (skipping && !lines.isEmpty()) {
                const char* end = FindLineEnd(lines.data(), lines.data() + lines.size());
                end += end + 1 < lines.end() && end[0] == '\r' && end[1] == '\n' ? 2 : 1;
                lines = lines.sliced(end - lines.data());
                skipping = false;
            }
            if (!skipping && !lines.isEmpty()) {
                // The table sized once for the whole log, by the first slice's lines: filed
                // slice by slice, it would otherwise grow and be filed anew again and again.
                if (places_.empty() && got > 0 && file.size() > lines.size()) {
                    const double perByte = double(CountLineEnds(lines) + 1) / double(lines.size());
                    expectLines(size_t(qMin(perByte * double(file.size()), double(1 << 22))));
                }
                addBytes(lines);
            }
            pending = bytes.size() - cut;
            if (got == 0) break;
            if (pending > kLongestKept) {
                if (!skipping) addBytes(bytes.sliced(cut, kLongestKept));
                skipping = true;
                // A CR last may be the line's end: it stays.
                pending = bytes.back() == '\r' ? 1 : 0;
                bytesRead[0] = '\r';
            } else {
                std::memmove(bytesRead.data(), bytes.data() + cut, size_t(pending));
            }
        }
        if (text_.capacity() > 2 * text_.size()) text_.squeeze();
    } catch (const std::bad_alloc&) {
        *this = DescriptionIndex();
        return TooBigToHold(logFile, file.size());
    }
    return {};
}

void DescriptionIndex::addBytes(QByteArrayView bytes) {
    // A log whose last line lacks its line end gets it, as appendEntry gives it one too.
    if (!text_.isEmpty() && !text_.endsWith('\n') && !text_.endsWith('\r')) text_ += '\n';
    const qsizetype from = text_.size();
    const auto asRead = [](QByteArrayView text) {
        return IsAscii(text) || (kLogIsUtf8 && text.isValidUtf8());
    };
    if (asRead(bytes)) {
        text_ += bytes;
    } else {
        // Line by line as a whole, so a line reads the same whichever lines come with it.
        ForEachLogLine(bytes, [this, &asRead](QByteArrayView line) {
            if (asRead(line))
                text_ += line;
            else
                text_ += DecodeLogLine(line).toUtf8();
            text_ += '\n';
        });
    }
    fileLines(from);
}

void DescriptionIndex::expectLines(size_t lines) {
    places_.reserve(lines);
    next_.reserve(lines);
    if (buckets_.size() < lines / 2) rehash(std::bit_ceil(lines) / 2);
}

void DescriptionIndex::fileLines(qsizetype from) {
    const QByteArrayView added = QByteArrayView(text_).sliced(from);
    // Lines may end in CR alone, or not at all: never fewer buckets than sixteen.
    const size_t lines = size_t(CountLineEnds(added)) + 1;
    // Grown by half again, not to the line: a log read slice by slice, or appended to line by
    // line, would otherwise copy the whole table each time.
    const auto makeRoom = [lines](auto& table) {
        if (table.capacity() < table.size() + lines)
            table.reserve(std::max(table.size() + lines, table.capacity() + table.capacity() / 2));
    };
    makeRoom(places_);
    makeRoom(next_);
    if (buckets_.empty() || buckets_.size() < (places_.size() + lines) / 2)
        rehash(std::bit_ceil(places_.size() + lines) / 2);
    const char* const base = text_.constData();
    // Filed a batch at a time, each bucket asked for as its hash is known: the buckets lie
    // scattered over memory and would otherwise be waited for one by one.
    struct Pending {
        quint64 place;
        size_t hash;
    };
    std::array<Pending, 32> batch;
    size_t pending = 0;
    const auto fileBatch = [&] {
        for (size_t k = 0; k < pending; ++k) file(batch[k].place, batch[k].hash);
        pending = 0;
    };
    lines_ += ForEachLogLine(added, [&](QByteArrayView line) {
        // A byte-order mark an editor put in front of the log belongs to no path.
        if (line.data() == base && line.startsWith(kBom)) line = line.sliced(kBom.size());
        if (!IsAbsolutePath(line)) return;
        const quint64 start = quint64(line.data() - base);
        const QByteArrayView room = pathRoom(line);
        PrefixHashes hashes(room);
        for (qsizetype dash = indexOfDash(room, 0); dash >= 0; dash = indexOfDash(room, dash + 1)) {
            const size_t hash = hashes.of(trimmed(room.first(dash)).size());
            PrefetchToWrite(&buckets_[hash & (buckets_.size() - 1)]);
            batch[pending++] = {start << kLengthBits | quint64(dash), hash};
            if (pending == batch.size()) fileBatch();
        }
    });
    fileBatch();
    // Appends by this window, and lines with many " - ", may outgrow the table.
    if (places_.size() > 4 * buckets_.size()) rehash(std::bit_ceil(places_.size()) / 2);
}

void DescriptionIndex::file(quint64 place, size_t hash) {
    quint32& bucket = buckets_[hash & (buckets_.size() - 1)];
    places_.push_back(place);
    next_.push_back(bucket);
    bucket = quint32(places_.size());
}

size_t DescriptionIndex::hashAt(quint64 place) const {
    const QByteArrayView line(text_.constData() + (place >> kLengthBits),
                              qsizetype(place & kLengthMask));
    return hashOf(trimmed(line));
}

void DescriptionIndex::rehash(size_t buckets) {
    buckets_.assign(std::max<size_t>(buckets, 16), 0);
    for (size_t i = 0; i < places_.size(); ++i) {
        quint32& bucket = buckets_[hashAt(places_[i]) & (buckets_.size() - 1)];
        next_[i] = bucket;
        bucket = quint32(i + 1);
    }
}

DescriptionIndex::Hits DescriptionIndex::lookUp(
    const QString& path, bool isDirectory,
    const std::function<bool(const QString&)>& exists) const {
    Hits hits;
    if (buckets_.empty()) return hits;
    const QByteArray wanted = path.toUtf8();
    const QByteArrayView item = trimmed(wanted);
    const QByteArray key = folded(item);
    for (quint32 i = buckets_[hashOf(item) & (buckets_.size() - 1)]; i != 0; i = next_[i - 1]) {
        const qint64 start = qint64(places_[i - 1] >> kLengthBits);
        const qint32 pathEnd = qint32(places_[i - 1] & kLengthMask);
        QByteArrayView room = pathRoom(QByteArrayView(text_).sliced(start));
        room = room.first(FindLineEnd(room.begin(), room.end()) - room.begin());
        const QByteArrayView begins = room.first(pathEnd);
        const bool directoryForm = trimmed(begins).size() != begins.size();
        if (directoryForm && !isDirectory) continue;
        if (folded(trimmed(begins)) != key) continue;  // another path in the same bucket
        // A longer path that begins the same line and exists has the line.
        bool longerExists = false;
        for (qsizetype dash = indexOfDash(room, pathEnd + 1); dash > 0 && !longerExists;
             dash = indexOfDash(room, dash + 1))
            longerExists = exists(QString::fromUtf8(room.first(dash)));
        if (!longerExists) hits.push_back({start, pathEnd});
    }
    std::sort(hits.begin(), hits.end(),
              [](const Hit& a, const Hit& b) { return a.start < b.start; });
    return hits;
}

QString DescriptionIndex::description(const Hit& hit) const {
    const qsizetype from = hit.start + hit.pathEnd + kDash.size();
    const char* const end = FindLineEnd(text_.constData() + from, text_.constData() + text_.size());
    return QString::fromUtf8(QByteArrayView(text_.constData() + from, end));
}

QStringList DescriptionIndex::descriptions(const Hits& hits) const {
    QStringList texts;
    texts.reserve(hits.size());
    for (const Hit& hit : hits) texts.append(description(hit));
    return texts;
}

}  // namespace kivra
