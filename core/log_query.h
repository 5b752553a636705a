#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kivra {

class EntryTable;

// The log's lines a script asks for (kivra32 --notes, --find), in the log's order, each as UTF-8
// followed by `end`; `count` gets how many. A byte that is not UTF-8 comes out as the letter View
// Current shows for it.

// Lines whose path part is `path` (absolute, in the file system's bytes), written with or without
// a separator after it; with `under`, the lines of every item below it too.
QByteArray LinesForPath(const EntryTable& table, QByteArrayView path, bool under, char end,
                        qsizetype& count);

// Lines holding every word of `words`, letter case and accents ignored as View Current's find.
QByteArray LinesHolding(const EntryTable& table, const QString& words, char end, qsizetype& count);

// The path part the window records for the item at `argument` (native bytes, relative to the
// current directory): made absolute, a folder with its separator as a move away from it writes.
QByteArray RecordedPath(const QByteArray& argument);

}  // namespace kivra
