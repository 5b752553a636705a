#pragma once

#include <QString>

#include "platform/result.h"

namespace kivra::platform {

// Moves the file `path` to the desktop's trash (the Recycle Bin on Windows): true once it is
// there, with what restores it; false where there is no trash for it. Then, as on a failure (the
// trash could not take it whole, in the system's words), the file is where it was. On Linux its
// entry in the home trash (the freedesktop.org layout) is written whole and synced before the
// file moves, so a full disk leaves the file in place, never a trashed file with nothing to
// restore it from.
Result<bool> MoveToTrash(const QString& path);

}  // namespace kivra::platform
