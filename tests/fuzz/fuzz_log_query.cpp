// What a script reads from a log edited by hand: any bytes, paths of any bytes, words of any
// letters. Each line found comes out once, as valid UTF-8, and a folder's entries are among
// those below it.
#include "core/entry_table.h"
#include "core/log_query.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArrayView input = QByteArrayView(data, qsizetype(size)).sliced(1);
    const QByteArrayView asked = input.first(std::min<qsizetype>(data[0] % 32, input.size()));
    kivra::EntryTable table;
    table.appendBytes(input.sliced(asked.size()));
    qsizetype exact = 0, under = 0, found = 0;
    const QByteArray forPath = kivra::LinesForPath(table, asked, false, '\n', exact);
    const QByteArray below = kivra::LinesForPath(table, asked, true, '\0', under);
    const QByteArray holding = kivra::LinesHolding(table, QString::fromUtf8(asked), '\n', found);
    check(exact <= under && under <= qsizetype(table.size()) && found <= qsizetype(table.size()));
    check(forPath.count('\n') == exact && holding.count('\n') == found);
    check(forPath.isValidUtf8() && below.isValidUtf8() && holding.isValidUtf8());
    return 0;
}
