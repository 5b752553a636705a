#pragma once

#include <QByteArrayView>
#include <QList>
#include <functional>
#include <vector>

namespace kivra {

// The order of names as the desktop's file managers sort them: case and accents ignored as
// core/text_fold.h folds them, digits compared as numbers ("file2" before "file10"), ties as
// TieLess puts them and then by the bytes, so the order is stable. The names are held one after
// another in `bytes`, name i ending at `ends[i]`, each read as DecodeName reads it (an ASCII name
// is never decoded). Returns their indices in order.
QList<qsizetype> NameOrder(QByteArrayView bytes, const std::vector<qsizetype>& ends);

// The same order for `count` names, name i read by `nameAt(i)`.
std::vector<quint32> NameOrder(qsizetype count,
                               const std::function<QByteArrayView(qsizetype)>& nameAt);

// Name i of names held as NameOrder takes them.
inline QByteArrayView NameAt(QByteArrayView bytes, const std::vector<qsizetype>& ends,
                             qsizetype i) {
    const qsizetype start = i == 0 ? 0 : ends[i - 1];
    return bytes.sliced(start, ends[i] - start);
}

}  // namespace kivra
