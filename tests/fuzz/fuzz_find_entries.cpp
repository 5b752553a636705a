// A find over a log edited by hand: any bytes, long lines, words of any letters. What it finds
// must not depend on where the slices end, must take in every line that holds the words as
// typed, and for plain ASCII must be exactly a search that ignores letter case.
#include <cstdlib>

#include "core/entry_table.h"

static void check(bool condition) {
    if (!condition) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const qsizetype queryLength = std::min<qsizetype>(data[0] % 16, qsizetype(size) - 1);
    const QString query = QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, queryLength);
    kivra::EntryTable table;
    table.appendBytes(QByteArrayView(reinterpret_cast<const char*>(data) + 1 + queryLength,
                                     qsizetype(size) - 1 - queryLength));
    const std::vector<QByteArray> words = kivra::EntryTable::findWords(query);
    std::vector<char> whole(table.size()), sliced(table.size());
    table.find(words, 0, table.size(), whole);
    const quint32 cut = table.size() / 3;
    table.find(words, 0, cut, sliced);
    table.find(words, cut, table.size(), sliced);
    check(whole == sliced);
    const QStringList typed = query.simplified().split(u' ', Qt::SkipEmptyParts);
    const bool asciiQuery = kivra::entry_log_detail::isAscii(query.toUtf8());
    for (quint32 i = 0; i < table.size(); ++i) {
        const QString text = table.text(i);
        bool literal = !words.empty(), caseless = literal;
        for (const QString& word : typed) {
            literal = literal && text.contains(word);
            caseless = caseless && text.contains(word, Qt::CaseInsensitive);
        }
        check(!literal || whole[i]);
        if (asciiQuery && kivra::entry_log_detail::isAscii(table.line(i)))
            check(bool(whole[i]) == caseless);
    }
    return 0;
}
