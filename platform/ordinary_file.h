#pragma once

#include <QString>

namespace kivra::platform {

// A directory look-up for ordinary files: true when `path` names a file that is neither a
// directory nor hidden (on Windows, nor a system file).
bool IsOrdinaryFile(const QString& path);

}  // namespace kivra::platform
