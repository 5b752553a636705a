#pragma once

#include <QByteArray>

namespace kivra::platform {

// Where XDG_DATA_HOME points, or ~/.local/share, in the file system's bytes; a relative
// XDG_DATA_HOME is ignored, as the XDG rules say. Not on Windows.
QByteArray DataFolder();

}  // namespace kivra::platform
