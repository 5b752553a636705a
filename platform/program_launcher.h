#pragma once

#include <QString>

namespace kivra::platform {

// Starts `program` (a path, run without arguments) on its own: never waited for, never tracked.
// False when it could not be started.
bool StartProgram(const QString& program);

}  // namespace kivra::platform
