#include <algorithm>

#include "core/byte_scan.h"
#include "core/entry_table.h"
#include "core/text_fold.h"

// Finding the lines that hold every word of a find.

namespace kivra {

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
            if (FindLowered(text, words[w]) < 0) return false;
        return true;
    };
    // ASCII lines: the longest word is looked for through the bytes of all of them at once, the
    // others only in the lines that hold it. Folding keeps every ASCII letter, so a word that
    // folds to more than ASCII is in none of them.
    if (IsAscii(words.front())) {
        const char* const base = bytes_.constData();
        qsizetype at = offset(from);
        const qsizetype end = offset(to - 1) + lines_[to - 1].length;
        quint32 atLine = from;
        while (at < end) {
            const qsizetype hit = FindLowered(QByteArrayView(base + at, end - at), words.front());
            if (hit < 0) break;
            // A word holds no line break, so it lies within one line.
            while (atLine + 1 < to && offset(atLine + 1) <= at + hit) ++atLine;
            if (!keyed(atLine) && holdsAll(line(atLine), 1)) holds[atLine] = 1;
            if (atLine + 1 == to) break;
            at = offset(++atLine);
        }
    }
    // The others by their folded keys, or folded afresh beyond what a key holds.
    auto keyed = std::lower_bound(keyedLines_.begin(), keyedLines_.end(), from);
    for (; keyed != keyedLines_.end() && *keyed < to; ++keyed)
        if (this->holds(words, *keyed)) holds[*keyed] = 1;
}

bool EntryTable::holds(const std::vector<QByteArray>& words, quint32 i) const {
    const qsizetype length = lines_[i].length;
    QByteArray folded;
    if (keyed(i) && length > kShownBytes) folded = foldedKey(line(i), length);
    const QByteArrayView text = !keyed(i)               ? line(i)
                                : length <= kShownBytes ? QByteArrayView(keys_[keyIndex(i)])
                                                        : QByteArrayView(folded);
    return std::all_of(words.begin(), words.end(),
                       [text](const QByteArray& word) { return FindLowered(text, word) >= 0; });
}

quint32* EntryTable::holdsAmong(const std::vector<QByteArray>& words, const quint32* lines,
                                size_t count, quint32* out) const {
    // Earlier hits lie all over the log: each line's place and then its bytes are asked for a
    // few lines ahead, so the waits for memory overlap rather than come one after another.
    constexpr size_t kAhead = 8;
    for (size_t k = 0; k < count; ++k) {
#if defined(__GNUC__)
        if (k + 2 * kAhead < count) __builtin_prefetch(&lines_[lines[k + 2 * kAhead]]);
        if (k + kAhead < count) {
            const char* const ahead = bytes_.constData() + offset(lines[k + kAhead]);
            __builtin_prefetch(ahead);
            __builtin_prefetch(ahead + 64);
        }
#endif
        if (holds(words, lines[k])) *out++ = lines[k];
    }
    return out;
}

bool EntryTable::narrows(const std::vector<QByteArray>& before,
                         const std::vector<QByteArray>& after) {
    return std::all_of(before.begin(), before.end(), [&after](const QByteArray& word) {
        return std::any_of(after.begin(), after.end(),
                           [&word](const QByteArray& longer) { return longer.contains(word); });
    });
}

std::vector<quint8> EntryTable::followers(const QByteArray& word,
                                          const std::vector<quint32>& lines) const {
    // Read in the log's order, in which the lines lie in memory, then put in the list's.
    std::vector<quint8> byLine(size(), 0);
    for (const quint32 line : lines) byLine[line] = 1;
    for (quint32 i = 0; i < size(); ++i) {
        if (byLine[i] == 0) continue;
        byLine[i] = 0;
        if (keyed(i)) continue;
        const QByteArrayView text = line(i);
        const qsizetype at = FindLowered(text, word);
        if (at < 0 || FindLowered(text.sliced(at + 1), word) >= 0) continue;
        const qsizetype end = at + word.size();
        byLine[i] = end == text.size() ? kLineEnd : quint8(LowerCaseEight(quint8(text[end])));
    }
    std::vector<quint8> follower(lines.size());
    std::transform(lines.begin(), lines.end(), follower.begin(),
                   [&byLine](quint32 line) { return byLine[line]; });
    return follower;
}

char EntryTable::addedByte(const std::vector<QByteArray>& before,
                           const std::vector<QByteArray>& after) {
    if (before.size() != 1 || after.size() != 1) return 0;
    const QByteArray& shorter = before.front();
    const QByteArray& longer = after.front();
    if (longer.size() != shorter.size() + 1 || !longer.startsWith(shorter)) return 0;
    const char added = longer.back();
    return added > 0 && added < 0x7F ? added : 0;
}

}  // namespace kivra
