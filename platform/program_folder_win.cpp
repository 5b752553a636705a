#include <windows.h>

#include <QFileInfo>
#include <iterator>

#include "platform/program_folder.h"

namespace kivra::platform {

QString ProgramFolder() {
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (length == 0 || length >= std::size(path)) return {};
    return QFileInfo(QString::fromWCharArray(path, int(length))).path();
}

}  // namespace kivra::platform
