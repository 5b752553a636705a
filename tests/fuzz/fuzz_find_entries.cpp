// A find over a log edited by hand: any bytes, long lines, words of any letters. What it finds
// must not depend on where the slices end, must take in every line that holds the words as
// typed, and for plain ASCII must be exactly a search that ignores letter case.
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
    for (quint32 i = 0; i < table.size(); ++i) {
        bool literal = !words.empty(), caseless = literal;
        for (const QString& word :
             QString::fromUtf8(typed).simplified().split(u' ', Qt::SkipEmptyParts)) {
            literal = literal && table.text(i).contains(word);
            caseless = caseless && table.text(i).contains(word, Qt::CaseInsensitive);
        }
        check(!literal || whole[i]);
        check(!IsAscii(typed) || !IsAscii(table.line(i)) || whole[i] == caseless);
    }
    return 0;
}
