#include "resources/app_icon.h"

#include "widgets/style_icons.h"

namespace kivra {

QIcon AppIcon() {
    return widgets::PngIcon(QStringLiteral(":/icons/kivra32-%1.png"), {16, 32, 48, 64});
}

}  // namespace kivra
