#pragma once

#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <vector>

namespace kivra {

// The order of `names` as the desktop's file managers sort them: case and accents ignored,
// digits compared as numbers ("file2" before "file10"), exact ties broken by the characters so
// the order is stable. Returns the indices of `names` in that order.
QList<qsizetype> NameOrder(const QStringList& names);

// The same order for names held one after another in `bytes`, name i ending at `ends[i]`, each
// read as DecodeName reads it; an ASCII name is never decoded.
QList<qsizetype> NameOrder(QByteArrayView bytes, const std::vector<qsizetype>& ends);

}  // namespace kivra
