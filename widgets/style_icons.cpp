#include "widgets/style_icons.h"

#include <QHash>
#include <QImageReader>
#include <QPixmap>

namespace kivra::widgets {

QIcon StyleIcon(const QStyle* style, QStyle::StandardPixmap which) {
    if (QIcon::themeName() != u"hicolor") return style->standardIcon(which);
    const char* name = nullptr;
    switch (which) {
        case QStyle::SP_DirOpenIcon:
            name = "diropen";
            break;
        case QStyle::SP_DirClosedIcon:
        case QStyle::SP_DirHomeIcon:  // without a theme the style has no picture of its own
            name = "dirclosed";
            break;
        case QStyle::SP_DriveHDIcon:
            name = "harddrive";
            break;
        default:
            return style->standardIcon(which);
    }
    // Decoded once: the lists ask again at each folder change and each drop-down. Never freed, as
    // a QPixmap must not outlive the application. GUI thread only.
    static auto* const decoded = new QHash<int, QIcon>;
    if (const auto found = decoded->constFind(which); found != decoded->cend()) return *found;
    QIcon icon;
    for (const int size : {16, 32}) {
        QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                                .arg(QLatin1StringView(name))
                                .arg(size),
                            "png");
        reader.setAutoDetectImageFormat(false);
        const QPixmap pixmap = QPixmap::fromImageReader(&reader);
        if (pixmap.isNull()) return icon.isNull() ? style->standardIcon(which) : icon;
        icon.addPixmap(pixmap);
    }
    decoded->insert(which, icon);
    return icon;
}

}  // namespace kivra::widgets
