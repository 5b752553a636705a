#pragma once

#include <optional>

namespace kivra::app {

// The command line for scripts, which needs no display: --note, --notes and --find. Runs the
// one given and returns the exit status; nullopt when the command line names none of them.
std::optional<int> RunScriptCommand(int argc, char** argv);

}  // namespace kivra::app
