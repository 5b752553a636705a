#include "platform/program_launcher.h"

#include <QProcess>

namespace kivra::platform {

bool StartProgram(const QString& program) {
    // The whole path names the program, spaces included; an empty one cannot start.
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, {});
}

}  // namespace kivra::platform
