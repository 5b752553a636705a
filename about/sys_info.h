#pragma once

#include <QString>
#include <cstdint>
#include <functional>

#include "platform/program_launcher.h"
#include "platform/registry.h"

class QWidget;

namespace kivra {

// What "System Info..." reaches on the machine; tests hand in fakes.
struct SysInfoServices {
    platform::Registry& registry;
    platform::ProgramLauncher& launcher;
    // The directory look-up for ordinary files.
    std::function<bool(const QString&)> isOrdinaryFile;
};

inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal` as text; true
// when it was read. A string is taken as read, a 4-byte number becomes "&h" and its hex digits,
// any other type leaves `KeyVal` as it was. A value of zero bytes throws std::invalid_argument.
bool GetKeyValue(platform::Registry& registry, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);

// Finds the system-information tool through the registry and starts it; every way that fails
// ends in one message box over `parent`.
void StartSysInfo(QWidget* parent, const SysInfoServices& services);

}  // namespace kivra
