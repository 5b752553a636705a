#pragma once

#include <QString>

namespace kivra::platform {

// The path of the installed system-information tool, empty when there is none. On Windows the
// registry names it; elsewhere the first of Debian's graphical tools found on PATH, in the order
// they are preferred: hardinfo, hardinfo2, kinfocenter, lshw-gtk.
QString FindSystemInfoTool();

}  // namespace kivra::platform
