#include <QFileInfo>

#include "platform/program_folder.h"

namespace kivra::platform {

QString ProgramFolder() {
    // Linux names the program's file here, links resolved; elsewhere it is missing.
    const QFileInfo program(QStringLiteral("/proc/self/exe"));
    return program.exists() ? QFileInfo(program.canonicalFilePath()).path() : QString();
}

}  // namespace kivra::platform
