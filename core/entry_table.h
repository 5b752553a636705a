#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <algorithm>
#include <bit>
#include <functional>
#include <vector>

#include "core/entry_log.h"
#include "platform/large_pages.h"

namespace kivra {

// Entry lines in ascending order, letter case ignored; lines equal but for case follow in exact
// (code unit) order, so the listing never depends on the order of the file.
bool EntryLessThan(const QString& a, const QString& b);

// A log's lines as its own bytes in one buffer, with a sort key per line made once: an ASCII
// line is its own key (folded as it is compared); any other line gets a key folded as
// core/text_fold.h says (É with E, ü with u). Ties between equal keys fall to EntryLessThan, so
// the order is total. Lines are decoded only when they are shown.
class EntryTable {
public:
    // Told now and then how many lines are indexed of how many; false stops the load.
    using Progress = std::function<bool(quint32 done, quint32 total)>;

    // Appends the log's lines; false with the reason when the file cannot be read. Into an
    // empty table, the lines count as read from the log (see rewrite()). Stopped by `progress`,
    // the table is left empty and the failure has no message.
    Result<void> load(const QString& path, const Progress& progress = {});
    // Appends the lines held in `bytes` (log format).
    void appendBytes(QByteArrayView bytes);
    // Drops the lines from `count` on.
    void truncate(quint32 count);

    quint32 size() const { return static_cast<quint32>(lines_.size()); }
    QByteArrayView line(quint32 i) const {
        return {bytes_.constData() + offset(i), qsizetype(lines_[i].length)};
    }
    QString text(quint32 i) const { return DecodeLogLine(line(i)); }
    // The line for a list row: a long one cut to about a thousand characters and "…".
    QString shown(quint32 i) const;

    const QByteArray& bytes() const { return bytes_; }

    // The line indices in list order.
    std::vector<quint32> sorted(std::vector<quint32> lines) const;
    std::vector<quint32> all(quint32 first = 0) const;
    bool less(quint32 a, quint32 b) const;
    std::vector<quint32> merged(const std::vector<quint32>& a, const std::vector<quint32>& b) const;

    // Writes the log back in its own order, as it stands now: each line read from it that is not
    // in `kept` left out, unless a kept line stands in for it (`standsFor`: a line added here, an
    // edit, to the line read it replaces), which is then written in its place. Lines another copy
    // appended since it was read follow at the end. Where the log was rewritten meanwhile, its
    // lines now are matched by their bytes against those left out or replaced here (once each).
    // A log that is gone meanwhile is written from `kept` alone. Lines are written back as the
    // bytes they were read as.
    // Only reads the table, so it can run beside a find.
    Result<void> rewrite(const EntryLog& log, const std::vector<quint32>& kept,
                         const QHash<quint32, quint32>& standsFor = {}) const;

    // The words of a find in `text` (split at white space), folded as the order folds lines;
    // longest first. None for blank text.
    static std::vector<QByteArray> findWords(const QString& text);
    // Sets holds[i] for each line i in [from, to) that holds every one of `words` (from
    // findWords) anywhere. Folds as it goes: no folded copy of the log beyond the sort keys.
    void find(const std::vector<QByteArray>& words, quint32 from, quint32 to,
              std::vector<char>& holds) const;
    // Whether line i holds every one of `words`, as find() decides it.
    bool holds(const std::vector<QByteArray>& words, quint32 i) const;
    // Writes from `out` on those of the `count` lines at `lines` that hold every one of `words`,
    // in the same order; returns the end of what it wrote.
    quint32* holdsAmong(const std::vector<QByteArray>& words, const quint32* lines, size_t count,
                        quint32* out) const;
    // Whether every line that holds `after` holds `before` too: each word before lies within a
    // word after ("tax" within "taxes"), so a find may look only among the earlier hits.
    static bool narrows(const std::vector<QByteArray>& before,
                        const std::vector<QByteArray>& after);
    // For each of `lines` (which hold `word`), in the same order, the byte that follows the
    // word's one place in the line, lowered; kLineEnd where the line ends there. 0 where the line
    // holds the word twice or is more than ASCII, so its own bytes must be asked. A word one byte
    // longer is then held where that byte follows.
    static constexpr quint8 kLineEnd = 0xFF;
    std::vector<quint8> followers(const QByteArray& word, const std::vector<quint32>& lines) const;
    // The ASCII byte `after` adds at the end of `before`, one word each; else 0.
    static char addedByte(const std::vector<QByteArray>& before,
                          const std::vector<QByteArray>& after);

private:
    static constexpr qsizetype kShownChars = 1000;
    // No character takes more than four bytes.
    static constexpr qsizetype kShownBytes = 4 * kShownChars;
    // Case and accents folded away; UTF-8, so it compares bytewise with the ASCII lines. A line
    // longer than a list row shows gets a key of what the row shows: beyond it, EntryLessThan
    // decides.
    static QByteArray foldedKey(QByteArrayView line, qsizetype limit = kShownBytes);

    // Eight bytes a line: at a million lines the index is a ninth of the log, not a fifth. Its
    // megabytes are filled at once, in large pages where the system has them.
    struct Line {
        quint32 offset;  // the low 32 bits; farLines_ gives the rest
        quint32 length;
    };
    qsizetype offset(quint32 i) const {
        qsizetype high = 0;
        if (!farLines_.empty())
            high = std::upper_bound(farLines_.begin(), farLines_.end(), i) - farLines_.begin();
        return (high << 32) | lines_[i].offset;
    }
    bool keyed(quint32 i) const { return (keyedBits_[i / 64] >> (i % 64)) & 1; }
    // The index into keys_ of line i's key, or of the next keyed line's.
    quint32 keyIndex(quint32 i) const {
        const quint64 below = (quint64(1) << (i % 64)) - 1;
        return keyedBefore_[i / 64] + quint32(std::popcount(keyedBits_[i / 64] & below));
    }
    QByteArrayView key(quint32 i) const {
        return keyed(i) ? QByteArrayView(keys_[keyIndex(i)]) : line(i);
    }
    // Indexes the lines in [from, to), which ends at a line's end; the caller reserves room.
    void index(qsizetype from, qsizetype to);
    bool indexFrom(qsizetype from, const Progress& progress);
    bool tieLess(quint32 a, quint32 b) const;
    // `order` counts on into `later`'s lines past this table's own.
    Result<void> write(const EntryLog& log, const std::vector<quint32>& order,
                       const EntryTable& later) const;
    // The kept line in each place of a line read, kNone where it was left out; then those that
    // stand in for no line read.
    std::vector<quint32> places(const std::vector<quint32>& kept,
                                const QHash<quint32, quint32>& standsFor,
                                std::vector<quint32>& others) const;

    QByteArray bytes_;
    std::vector<Line, platform::LargePages<Line>> lines_;
    // farLines_[k]: the first line that starts at or past (k + 1) * 4 GiB.
    std::vector<quint32> farLines_;
    // The folded keys of the lines that are not ASCII (an ASCII line is its own key), in line
    // order; the line of each; a bit per line that has one, and how many come before each 64
    // lines, so a key is found in constant time.
    std::vector<QByteArray> keys_;
    std::vector<quint32> keyedLines_;
    std::vector<quint64> keyedBits_;
    std::vector<quint32> keyedBefore_;
    // What came from the log by the first load.
    quint32 loadedLines_ = 0;
    qsizetype loadedBytes_ = 0;
};

}  // namespace kivra
