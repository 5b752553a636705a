#include "resources/app_icon.h"

#include <QImageReader>
#include <QPixmap>

namespace kivra {

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        // Named as PNG with guessing off, so no image plug-in is loaded or asked.
        QImageReader reader(QStringLiteral(":/icons/kivra32-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImageReader(&reader));
    }
    return icon;
}

}  // namespace kivra
