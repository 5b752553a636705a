#include "resources/app_icon.h"

namespace kivra {

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kivra32-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace kivra
