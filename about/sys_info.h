#pragma once

#include <QString>
#include <functional>

#include "platform/program_launcher.h"
#include "platform/system_info_tool.h"

class QWidget;

namespace kivra {

// What "System Info..." reaches on the machine; tests may hand in others.
struct SysInfoServices {
    // The tool's path, empty when none is installed.
    std::function<QString()> findTool = platform::FindSystemInfoTool;
    std::function<bool(const QString&)> start = platform::StartProgram;
};

inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

// Starts the system-information tool; when none is installed or it cannot be started, one
// message box over `parent` says so.
void StartSysInfo(QWidget* parent, const SysInfoServices& services);

}  // namespace kivra
