#pragma once

#include <QString>

namespace kivra {

enum class LabelCase { Lower, Kept };

// Where the file system tells letter cases apart, a lower-cased path would name another file.
#ifdef Q_OS_WIN
inline constexpr LabelCase kNativeLabelCase = LabelCase::Lower;
#else
inline constexpr LabelCase kNativeLabelCase = LabelCase::Kept;
#endif

// Shortens a path for a label of `width` characters: the path's root, "...", then as much of the
// end as fits, cut at a separator ('\' or '/') so only whole names show. The result is at most
// width + 1 characters long, in lower case when `letterCase` asks for it, shortened or not.
QString AbbreviatePath(const QString& path, int width, LabelCase letterCase = kNativeLabelCase);

}  // namespace kivra
