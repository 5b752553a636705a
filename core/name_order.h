#pragma once

#include <QList>
#include <QStringList>

namespace kivra {

// The order of `names` as the desktop's file managers sort them: case and accents ignored,
// digits compared as numbers ("file2" before "file10"), exact ties broken by the characters so
// the order is stable. Returns the indices of `names` in that order.
QList<qsizetype> NameOrder(const QStringList& names);

}  // namespace kivra
