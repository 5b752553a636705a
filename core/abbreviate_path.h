#pragma once

#include <QString>
#include <functional>

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

// AbbreviatePath's text for `chars`, as long as it shows the last name whole within `width` as
// `measure` measures it; else the root, "...", the separator and the last name with its middle
// elided ("…"), its extension kept: a long name stays recognisable instead of vanishing.
QString FitPath(const QString& path, int chars, int width,
                const std::function<int(QStringView)>& measure,
                LabelCase letterCase = kNativeLabelCase);

}  // namespace kivra
