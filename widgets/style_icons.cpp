#include "widgets/style_icons.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace kivra::widgets {

namespace {

// Qt's own pictures, which the style falls back on where the theme has none.
QIcon QtPicture(QStyle::StandardPixmap which) {
    const char* name = which == QStyle::SP_DirHomeIcon || which == QStyle::SP_DirClosedIcon
                           ? "dirclosed"
                       : which == QStyle::SP_DirOpenIcon ? "diropen"
                       : which == QStyle::SP_DriveHDIcon ? "harddrive"
                                                         : nullptr;
    if (!name) return {};
    return PngIcon(QStringLiteral(":/qt-project.org/styles/commonstyle/images/") +
                       QLatin1String(name) + QStringLiteral("-%1.png"),
                   {16, 32});
}

}  // namespace

QIcon StyleIcon(const QStyle* style, QStyle::StandardPixmap which) {
    // Without a desktop icon theme Qt names hicolor, which holds programs' own
    // icons and none of these: the style would read its index of some 3,800 lines
    // and search it in vain before the window first shows, then read Qt's
    // pictures through every image plug-in. They are read straight away instead.
    if (QGuiApplication::desktopSettingsAware() && QIcon::themeName() == u"hicolor") {
        static QHash<int, QIcon> pictures;  // the GUI thread's
        auto found = pictures.constFind(which);
        if (found == pictures.cend()) found = pictures.insert(which, QtPicture(which));
        if (!found->isNull()) return *found;
    }
    QIcon icon = style->standardIcon(which);
    // Without a desktop icon theme the style has no picture for home: a folder
    // stands for it.
    if (icon.isNull() && which == QStyle::SP_DirHomeIcon)
        icon = style->standardIcon(QStyle::SP_DirClosedIcon);
    return icon;
}

QIcon PngIcon(const QString& pattern, std::initializer_list<int> sizes) {
    QIcon icon;
    for (const int size : sizes) {
        QImageReader reader(pattern.arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        const QPixmap pixmap = QPixmap::fromImageReader(&reader);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace kivra::widgets
