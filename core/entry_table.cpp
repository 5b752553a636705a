#include "core/entry_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

#include "core/atomic_file_writer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kivra {

namespace {

constexpr qsizetype kShownChars = 1000;
// No character takes more than four bytes.
constexpr qsizetype kShownBytes = 4 * kShownChars;

// At most `size` bytes of a line, cut back to the first byte of a character.
QByteArrayView leading(QByteArrayView line, qsizetype size) {
    if (line.size() <= size) return line;
    for (int back = 0; back < 3 && (uchar(line[size]) & 0xC0) == 0x80; ++back) --size;
    return line.first(size);
}

constexpr auto kAsciiFold = [] {
    std::array<char16_t, 128> table{};
    for (char16_t c = 0; c < 128; ++c) table[c] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return table;
}();

constexpr auto kByteFold = [] {
    std::array<uchar, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = uchar(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return table;
}();

inline char16_t folded(char16_t c) { return c < 128 ? kAsciiFold[c] : QChar::toCaseFolded(c); }

// Folds unit by unit; the ASCII table keeps comparing cheap.
int compareIgnoringCase(const QString& a, const QString& b) {
    const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t ca = pa[i];
        const char16_t cb = pb[i];
        if (ca == cb) continue;
        const char16_t fa = folded(ca);
        const char16_t fb = folded(cb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// The letter under its accents: a canonical decomposition starts with its base letter.
char32_t baseLetter(char32_t c) {
    while (QChar::decompositionTag(c) == QChar::Canonical) {
        const QString parts = QChar::decomposition(c);
        c = parts.size() > 1 && parts[0].isHighSurrogate()
                ? QChar::surrogateToUcs4(parts[0], parts[1])
                : parts[0].unicode();
    }
    return QChar::toCaseFolded(c);
}

// Case and accents folded away; UTF-8, so it compares bytewise with the ASCII lines. Qt's own
// normalisation takes quadratic time on a long line, hence letter by letter. A line longer than
// a list row shows gets a key of what the row shows: beyond it, EntryLessThan decides.
QByteArray foldedKey(QByteArrayView line, qsizetype limit = kShownBytes) {
    // Most letters of a log fall below U+3000; each is worked out once (per thread: a find
    // folds on two).
    thread_local std::array<char32_t, 0x3000> known{};
    const QString text = entry_log_detail::decodeLine(leading(line, limit));
    std::u32string folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (QChar::isMark(c)) continue;
        if (c < known.size()) {
            if (known[c] == 0) known[c] = baseLetter(c) + 1;
            folded += known[c] - 1;
        } else {
            folded += baseLetter(c);
        }
    }
    return QString::fromUcs4(folded.data(), qsizetype(folded.size())).toUtf8();
}

bool equalFolded(const char* text, const char* word, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i)
        if (kByteFold[uchar(text[i])] != uchar(word[i])) return false;
    return true;
}

// Where the folded `word` first occurs in `text`, ASCII letters of the text folded as compared;
// -1 when nowhere. Sixteen places at a time are tried by the word's first and last byte.
qsizetype findFolded(QByteArrayView text, QByteArrayView word) {
    const qsizetype n = word.size();
    if (n == 0) return 0;
    const char* const p = text.data();
    qsizetype i = 0;
#if defined(__SSE2__)
    // OR 0x20 turns 'A' into 'a' and nothing else into a lower-case letter.
    const auto caseBit = [](char c) { return char(c >= 'a' && c <= 'z' ? 0x20 : 0); };
    const __m128i first = _mm_set1_epi8(word[0]);
    const __m128i last = _mm_set1_epi8(word[n - 1]);
    const __m128i firstBit = _mm_set1_epi8(caseBit(word[0]));
    const __m128i lastBit = _mm_set1_epi8(caseBit(word[n - 1]));
    for (; i + n - 1 + 16 <= text.size(); i += 16) {
        const __m128i a =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), firstBit);
        const __m128i b =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + n - 1)), lastBit);
        unsigned mask = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        for (; mask != 0; mask &= mask - 1) {
            const qsizetype at = i + std::countr_zero(mask);
            if (equalFolded(p + at, word.data(), n)) return at;
        }
    }
#endif
    for (; i + n <= text.size(); ++i)
        if (equalFolded(p + i, word.data(), n)) return i;
    return -1;
}

LogResult readFailure(const char* what, const QString& path, const QString& reason) {
    return LogResult::failure(
        QCoreApplication::translate("EntryLog", what).arg(QDir::toNativeSeparators(path), reason));
}

// Eight key bytes from `depth` on, the sort's unit of work; `rest` tells a key that ends
// within them (its length) from one that goes on (9).
struct Chunk {
    quint64 bytes;
    quint32 line;
    quint32 rest;
};

}  // namespace

bool EntryLessThan(const QString& a, const QString& b) {
    const int byFold = compareIgnoringCase(a, b);
    if (byFold != 0) return byFold < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

LogResult EntryTable::load(const QString& path) {
    QFile file;
    if (const LogResult opened = OpenLogFile(file, path, QIODevice::ReadOnly); !opened)
        return opened;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return readFailure("Cannot read the log %1: %2", path, file.errorString());
    if (lines_.empty() && bytes_.isEmpty()) {
        bytes_ = std::move(data);
        index(0);
        loadedLines_ = size();
        loadedBytes_ = bytes_.size();
    } else {
        appendBytes(data);
    }
    return {};
}

void EntryTable::appendBytes(QByteArrayView bytes) {
    const qsizetype from = bytes_.size();
    bytes_ += bytes;
    index(from);
}

void EntryTable::index(qsizetype from) {
    const QByteArrayView rest = QByteArrayView(bytes_).sliced(from);
    if (rest.isEmpty()) return;
    const char* const base = bytes_.constData();
    lines_.reserve(lines_.size() + std::count(rest.begin(), rest.end(), '\n') + 1);
    entry_log_detail::forEachLine(rest, [this, base](QByteArrayView line) {
        Line entry{line.data() - base, static_cast<qint32>(line.size()), -1};
        if (!entry_log_detail::isAscii(line)) {
            entry.key = static_cast<qint32>(keys_.size());
            keys_.push_back(foldedKey(line));
            keyedLines_.push_back(static_cast<quint32>(lines_.size()));
        }
        lines_.push_back(entry);
    });
}

void EntryTable::truncate(quint32 count) {
    if (count >= size()) return;
    const auto firstKey = std::find_if(lines_.begin() + count, lines_.end(),
                                       [](const Line& l) { return l.key >= 0; });
    if (firstKey != lines_.end()) {
        keys_.resize(firstKey->key);
        keyedLines_.resize(firstKey->key);
    }
    bytes_.truncate(lines_[count].offset);
    lines_.resize(count);
    loadedLines_ = std::min(loadedLines_, count);
    loadedBytes_ = std::min(loadedBytes_, bytes_.size());
}

QString EntryTable::shown(quint32 i) const {
    const QByteArrayView bytes = leading(line(i), kShownBytes);
    QString text = entry_log_detail::decodeLine(bytes);
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
    if (lines_[a].key < 0 && lines_[b].key < 0) {
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
    for (qsizetype i = 0; i < common; ++i) {
        const uchar fa = kByteFold[uchar(ka[i])];
        const uchar fb = kByteFold[uchar(kb[i])];
        if (fa != fb) return fa < fb;
    }
    if (ka.size() != kb.size()) return ka.size() < kb.size();
    return tieLess(a, b);
}

std::vector<quint32> EntryTable::sorted(std::vector<quint32> lines) const {
    // Most keys share a long start (the same folders), so a comparison sort would walk it again
    // for every comparison. Instead: sort by eight bytes at a time, then only the runs that
    // agree so far by the next eight, with the bytes held beside the index.
    std::vector<Chunk> chunks(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) chunks[i].line = lines[i];
    struct Run {
        size_t from;
        size_t to;
        qsizetype depth;
    };
    std::vector<Run> todo;
    if (chunks.size() > 1) todo.push_back({0, chunks.size(), 0});
    const auto byChunk = [](const Chunk& x, const Chunk& y) {
        return x.bytes != y.bytes ? x.bytes < y.bytes : x.rest < y.rest;
    };
    const auto sameChunk = [](const Chunk& x, const Chunk& y) {
        return x.bytes == y.bytes && x.rest == y.rest;
    };
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
            for (qsizetype j = 0; j < take; ++j) bytes = (bytes << 8) | kByteFold[p[j]];
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
    for (size_t i = 0; i < lines.size(); ++i) lines[i] = chunks[i].line;
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

std::vector<QByteArray> EntryTable::findWords(const QString& text) {
    std::vector<QByteArray> words;
    for (const QString& word : text.simplified().split(u' ', Qt::SkipEmptyParts)) {
        const QByteArray utf8 = word.toUtf8();
        // A lone accent folds to nothing, which every line would hold.
        if (QByteArray folded = foldedKey(utf8, utf8.size()); !folded.isEmpty())
            words.push_back(std::move(folded));
    }
    std::stable_sort(words.begin(), words.end(),
                     [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
    return words;
}

void EntryTable::find(const std::vector<QByteArray>& words, quint32 from, quint32 to,
                      std::vector<char>& holds) const {
    to = std::min(to, size());
    if (words.empty() || from >= to) return;
    const auto holdsAll = [&words](QByteArrayView text, size_t first) {
        for (size_t w = first; w < words.size(); ++w)
            if (findFolded(text, words[w]) < 0) return false;
        return true;
    };
    // ASCII lines: the longest word is looked for through the bytes of all of them at once, the
    // others only in the lines that hold it. Folding keeps every ASCII letter, so a word that
    // folds to more than ASCII is in none of them.
    if (entry_log_detail::isAscii(words.front())) {
        const char* const base = bytes_.constData();
        qsizetype at = lines_[from].offset;
        const qsizetype end = lines_[to - 1].offset + lines_[to - 1].length;
        quint32 atLine = from;
        while (at < end) {
            const qsizetype hit = findFolded(QByteArrayView(base + at, end - at), words.front());
            if (hit < 0) break;
            // A word holds no line break, so it lies within one line.
            while (atLine + 1 < to && lines_[atLine + 1].offset <= at + hit) ++atLine;
            if (lines_[atLine].key < 0 && holdsAll(line(atLine), 1)) holds[atLine] = 1;
            if (atLine + 1 == to) break;
            at = lines_[++atLine].offset;
        }
    }
    // The others by their folded keys, or folded afresh beyond what a key holds.
    auto keyed = std::lower_bound(keyedLines_.begin(), keyedLines_.end(), from);
    for (; keyed != keyedLines_.end() && *keyed < to; ++keyed) {
        const Line& l = lines_[*keyed];
        const bool whole = l.length <= kShownBytes;
        if (holdsAll(whole ? QByteArrayView(keys_[l.key]) : foldedKey(line(*keyed), l.length), 0))
            holds[*keyed] = 1;
    }
}

LogResult EntryTable::write(const EntryLog& log, const std::vector<quint32>& order) const {
    return log.WriteLogBytes([this, &order](AtomicFileWriter& writer) {
        const char* const end = bytes_.constData() + bytes_.size();
        for (size_t k = 0; k < order.size(); ++k) {
#if defined(__GNUC__)
            // Sorted lines lie scattered over the buffer: ask for the ones ahead before they are
            // due.
            if (k + 16 < order.size())
                __builtin_prefetch(bytes_.constData() + lines_[order[k + 16]].offset);
#endif
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

LogResult EntryTable::rewrite(const EntryLog& log, const std::vector<quint32>& kept) {
    const QString path = log.LogPath();
    // Compared a chunk at a time with what was read before, so the usual case (nothing changed,
    // or another copy appended) holds the log in memory once.
    QFile file;
    bool missing = false;
    if (const LogResult opened = OpenLogFile(file, path, QIODevice::ReadOnly, &missing); !opened)
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
    const QByteArray rest = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return readFailure("Cannot read the log %1: %2", path, file.errorString());
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
    const LogResult written = write(log, order);
    truncate(own);
    return written;
}

}  // namespace kivra
