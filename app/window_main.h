#pragma once

#include <QtGlobal>

namespace kivra::app {

// The windows live in a library of their own, loaded only when a window opens: a script's
// command (--note, --find) starts without the GUI libraries and their symbols. It exports this.
using WindowMain = int (*)(int argc, char** argv);
inline constexpr char kWindowMainSymbol[] = "kivra32_window_main";

}  // namespace kivra::app

// Opens the main window, or hands its path to the one open already; the program's exit status.
extern "C" Q_DECL_EXPORT int kivra32_window_main(int argc, char** argv);
