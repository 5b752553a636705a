// What a script reads from a log edited by hand: any bytes, paths of any bytes, words of any
// letters. --find finds what View Current's find does; a folder's entries are among those below
// it; each line comes out as valid UTF-8. Read a few bytes at a time, the log gives the same lines.
#include <QBuffer>
#include <algorithm>
#include <string>

#include "core/byte_scan.h"
#include "core/entry_table.h"
#include "core/log_query.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArrayView input = QByteArrayView(data, qsizetype(size)).sliced(1);
    const QByteArrayView asked = input.first(std::min<qsizetype>(data[0] % 32, input.size()));
    const QByteArrayView log = input.sliced(asked.size());
    kivra::EntryTable table;
    table.appendBytes(log);
    std::vector<char> holds(table.size());
    table.find(kivra::EntryTable::findWords(QString::fromUtf8(asked)), 0, table.size(), holds);
    quint32 i = 0;
    std::string out;
    const qsizetype found = kivra::ForEachLineHolding(
        log, QString::fromUtf8(asked),
        [&](QByteArrayView line, bool ascii) {
            while (i < table.size() && !holds[i]) ++i;
            check(i < table.size() && line == table.line(i++) && (!ascii || kivra::IsAscii(line)));
            kivra::AppendScriptLine(line, ascii, '\n', out);
        },
        data[0] % 64 + 1);
    check(found == std::count(holds.begin(), holds.end(), 1) &&
          qsizetype(std::count(out.begin(), out.end(), '\n')) == found);
    const auto keep = [&out](QByteArrayView line, bool ascii) {
        kivra::AppendScriptLine(line, ascii, '\0', out);
    };
    const qsizetype exact = kivra::ForEachLineForPath(log, asked, false, keep);
    check(exact <= kivra::ForEachLineForPath(log, asked, true, keep));
    check(QByteArrayView(out).isValidUtf8());
    QByteArray bytes = log.toByteArray();
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    std::string whole, pieces;
    const auto into = [&asked](std::string& to) {
        return [&asked, &to](QByteArrayView lines) {
            return kivra::ForEachLineHolding(lines, QString::fromUtf8(asked),
                                             [&to](QByteArrayView line, bool ascii) {
                                                 kivra::AppendScriptLine(line, ascii, '\n', to);
                                             });
        };
    };
    check(kivra::ForEachPieceOfLines(in, data[0] % 7 + 1, into(pieces)) == into(whole)(log) &&
          pieces == whole);
    return 0;
}
