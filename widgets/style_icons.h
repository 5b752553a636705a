#pragma once

#include <QIcon>
#include <QStyle>

namespace kivra::widgets {

// The style's own picture for folders, home and drives. Without a desktop icon theme Qt first
// searches hicolor for these in vain, a few milliseconds at start-up, and then falls back to its
// own pictures: those are taken at once.
QIcon StyleIcon(const QStyle* style, QStyle::StandardPixmap which);

}  // namespace kivra::widgets
