#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <string>

class QIODevice;

namespace kivra {

// The log's lines a script asks for (kivra32 --notes, --find): each is handed to `visit`, in the
// log's order, without its terminator, `ascii` when it is known to hold ASCII only; they return
// how many.
using LineVisitor = std::function<void(QByteArrayView line, bool ascii)>;

// Lines whose path part is `path` (absolute, in the file system's bytes), written with or without
// a separator after it; with `under`, the lines of every item below it too.
qsizetype ForEachLineForPath(QByteArrayView log, QByteArrayView path, bool under,
                             const LineVisitor& visit);

// Lines holding every word of `words`, letter case and accents ignored: those View Current's find
// shows, read straight from the log's bytes without its table, a `block` of bytes at a time.
qsizetype ForEachLineHolding(QByteArrayView log, const QString& words, const LineVisitor& visit,
                             qsizetype block = 1 << 16);

// Hands `search` the lines read from `in` a piece of `piece` bytes at a time, each piece cut
// after its last whole line (a line longer is read on to its end), the last piece at the end of
// `in`; the sum of what it returns, or -1 when `in` cannot be read. A piece searched while it is in
// the cache beats a mapping of the whole log, which costs a page fault and a TLB miss a page.
qsizetype ForEachPieceOfLines(QIODevice& in, qsizetype piece,
                              const std::function<qsizetype(QByteArrayView lines)>& search);

// The line as a script reads it, UTF-8, followed by `end`: a byte that is not UTF-8 comes out as
// the letter View Current shows for it.
void AppendScriptLine(QByteArrayView line, bool ascii, char end, std::string& out);

// The path part the window records for the item at `argument` (native bytes, relative to the
// current directory): made absolute, a folder with its separator as a move away from it writes.
QByteArray RecordedPath(const QByteArray& argument);

}  // namespace kivra
