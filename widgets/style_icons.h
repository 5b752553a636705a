#pragma once

#include <QIcon>
#include <QStyle>

namespace kivra::widgets {

// The style's own picture for folders, home and drives, which follows the
// desktop's icon theme.
QIcon StyleIcon(const QStyle* style, QStyle::StandardPixmap which);

}  // namespace kivra::widgets
