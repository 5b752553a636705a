#pragma once

#include <QIcon>
#include <QStyle>

namespace kivra::widgets {

// The style's own picture for folders, home and drives, which follows the
// desktop's icon theme.
QIcon StyleIcon(const QStyle* style, QStyle::StandardPixmap which);

// An icon from PNG files, "%1" in `pattern` standing for each size. Read as PNG
// with guessing off, so no image plug-in is loaded or asked; a file that cannot
// be read is left out.
QIcon PngIcon(const QString& pattern, std::initializer_list<int> sizes);

}  // namespace kivra::widgets
