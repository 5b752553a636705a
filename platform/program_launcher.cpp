#include "platform/program_launcher.h"

#include <QProcess>

namespace kivra::platform {

namespace {

class DetachedLauncher final : public ProgramLauncher {
public:
    bool start(const QString& program) override {
        // The whole path names the program, spaces included; an empty one cannot start.
        if (program.isEmpty()) return false;
        return QProcess::startDetached(program, {});
    }
};

}  // namespace

std::unique_ptr<ProgramLauncher> MakeProgramLauncher() {
    return std::make_unique<DetachedLauncher>();
}

}  // namespace kivra::platform
