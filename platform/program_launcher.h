#pragma once

#include <QString>
#include <memory>

namespace kivra::platform {

// Starts programs that run on their own: never waited for, never tracked.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts `program` (a path, run without arguments); false when it could not be started.
    virtual bool start(const QString& program) = 0;
};

std::unique_ptr<ProgramLauncher> MakeProgramLauncher();

}  // namespace kivra::platform
