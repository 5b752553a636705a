#pragma once

#include <QString>

namespace kivra {

// Shortens a path for a label of `width` characters: the path's root, "...", then as much of the
// end as fits, cut at a separator ('\' or '/') so only whole names show. The result is lower case,
// shortened or not, and at most width + 1 characters long.
QString AbbreviatePath(const QString& path, int width);

}  // namespace kivra
