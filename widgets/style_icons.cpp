#include "widgets/style_icons.h"

namespace kivra::widgets {

QIcon StyleIcon(const QStyle* style, QStyle::StandardPixmap which) {
    QIcon icon = style->standardIcon(which);
    // Without a desktop icon theme the style has no picture for home: a folder
    // stands for it.
    if (icon.isNull() && which == QStyle::SP_DirHomeIcon)
        icon = style->standardIcon(QStyle::SP_DirClosedIcon);
    return icon;
}

}  // namespace kivra::widgets
