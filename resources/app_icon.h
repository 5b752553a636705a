#pragma once

#include <QIcon>

namespace kivra {

// The application icon at the sizes windows, task bars and About show, up to 64 pixels.
QIcon AppIcon();

}  // namespace kivra
