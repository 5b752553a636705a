#pragma once

#include <QIcon>

namespace kivra {

// The application icon at every size it is kept in, for windows, task bars and About.
QIcon AppIcon();

}  // namespace kivra
