#include "platform/script_console.h"

namespace kivra::platform {

ScriptConsole::ScriptConsole() = default;
ScriptConsole::~ScriptConsole() = default;

}  // namespace kivra::platform
