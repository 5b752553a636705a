#pragma once

#include <QByteArrayView>
#include <QString>

namespace kivra {

// Names and lines from disk: valid UTF-8 stays itself, each byte that is not part of a valid
// sequence is read as its Windows-1252 letter ("caf\xE9" gives "café"), so nothing is dropped and
// a name written on Windows reads as it was meant.
QString DecodeName(QByteArrayView bytes);

}  // namespace kivra
