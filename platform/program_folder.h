#pragma once

#include <QString>

namespace kivra::platform {

// The folder the running program's file is in, asked of the system (no QCoreApplication needed):
// where it finds the files installed beside it. Empty where the system does not say.
QString ProgramFolder();

}  // namespace kivra::platform
