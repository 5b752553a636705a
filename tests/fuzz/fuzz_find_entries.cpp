// A find over a log edited by hand: any bytes, long lines, words of any letters. What it finds
// must not depend on where the slices end, must take in every line that holds the words as
// typed, and for plain ASCII must be exactly a search that ignores letter case. A find whose
// words grew from an earlier text's (its first bytes) finds among the earlier hits, line by
// line, exactly what it finds afresh; so does one whose only word is a byte longer, by the
// earlier hits' following bytes. Sorted, or cut back to its first lines, the table agrees with
// itself.
#include "core/byte_scan.h"
#include "core/entry_table.h"
#include "fuzz_check.h"

using kivra::IsAscii;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArrayView input = QByteArrayView(data, qsizetype(size)).sliced(1);
    const QByteArrayView typed = input.first(std::min<qsizetype>(data[0] % 16, input.size()));
    kivra::EntryTable table;
    table.appendBytes(input.sliced(typed.size()));
    const std::vector<QByteArray> words = kivra::EntryTable::findWords(QString::fromUtf8(typed));
    std::vector<char> whole(table.size()), sliced(table.size());
    table.find(words, 0, table.size(), whole);
    table.find(words, 0, table.size() / 3, sliced);
    table.find(words, table.size() / 3, table.size(), sliced);
    check(whole == sliced);
    const std::vector<QByteArray> before = kivra::EntryTable::findWords(
        QString::fromUtf8(typed.first(std::min<qsizetype>(data[0] / 16, typed.size()))));
    const bool narrows = !before.empty() && kivra::EntryTable::narrows(before, words);
    std::vector<char> earlier(table.size());
    table.find(before, 0, table.size(), earlier);
    for (quint32 i = 0; i < table.size(); ++i) {
        bool literal = !words.empty(), caseless = literal;
        for (const QString& word :
             QString::fromUtf8(typed).simplified().split(u' ', Qt::SkipEmptyParts)) {
            literal = literal && table.text(i).contains(word);
            caseless = caseless && table.text(i).contains(word, Qt::CaseInsensitive);
        }
        check(!literal || whole[i]);
        check(words.empty() || table.holds(words, i) == bool(whole[i]));
        check(!narrows || bool(whole[i]) == (earlier[i] && table.holds(words, i)));
        check(!IsAscii(typed) || !IsAscii(table.line(i)) || whole[i] == caseless);
    }
    // The earlier hits in reverse, as a list order other than the log's.
    const std::vector<QByteArray> shorter =
        kivra::EntryTable::findWords(QString::fromUtf8(typed.chopped(!typed.isEmpty())));
    if (const char added = kivra::EntryTable::addedByte(shorter, words)) {
        std::vector<char> had(table.size());
        table.find(shorter, 0, table.size(), had);
        std::vector<quint32> hits;
        for (quint32 i = table.size(); i-- > 0;)
            if (had[i]) hits.push_back(i);
        const std::vector<quint8> next = table.followers(shorter.front(), hits);
        check(next.size() == hits.size());
        for (size_t k = 0; k < hits.size(); ++k)
            check(bool(whole[hits[k]]) ==
                  (next[k] == quint8(added) || (next[k] == 0 && table.holds(words, hits[k]))));
    }
    // The sort by eight folded bytes at a time orders as the comparison does; cut back to its
    // first lines, the table is the table of those lines alone.
    const std::vector<quint32> order = table.sorted(table.all());
    check(std::is_sorted(order.begin(), order.end(),
                         [&table](quint32 a, quint32 b) { return table.less(a, b); }));
    kivra::EntryTable cut = table, alone;
    cut.truncate(table.size() / 2);
    for (quint32 i = 0; i < cut.size(); ++i) alone.appendBytes(table.line(i).toByteArray() + '\n');
    check(cut.sorted(cut.all()) == alone.sorted(alone.all()));
    std::vector<char> inCut(cut.size()), inAlone(alone.size());
    cut.find(words, 0, cut.size(), inCut);
    alone.find(words, 0, alone.size(), inAlone);
    check(inCut == inAlone);
    return 0;
}
