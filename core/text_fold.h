#pragma once

#include <QByteArray>
#include <QStringView>

#include "core/byte_scan.h"

namespace kivra {

// How every ordering and every find compares text: letter case and accents ignored. ASCII folds
// by kLowerCaseByte; a mark folds away; any other character to the letter under its accents (the
// start of its canonical decomposition where the rest of it is marks: "ế" to "e", "İ" to "i",
// while a Hangul syllable, whose parts are letters, stays itself; a letter with a stroke to its
// letter: "ł" to "l", "ı" to "i"), then case folded ("Æ" to "æ"; "ß" stays itself). Folded texts
// compare by their code points.

// What a mark folds to: nothing.
inline constexpr char32_t kFoldsAway = 0x110000;

char32_t FoldCharacter(char32_t c);

// `text` folded, appended to `out` as UTF-8; a lone surrogate as U+FFFD.
void AppendFolded(QStringView text, QByteArray& out);

// The order of texts that fold alike: letter case ignored, then by code units. Total.
bool TieLess(QStringView a, QStringView b);

}  // namespace kivra
