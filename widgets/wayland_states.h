#pragma once

#include <Qt>

class QWindow;

namespace kivra::widgets {

// Qt sends a window's request for new states to a Wayland compositor at once, and the
// compositor's answer is taken before the program hears of it; a request withdrawn in the same
// breath never reaches the window. Takes back `states` on `window`'s xdg_toplevel; does nothing
// where the window is not a Wayland one.
void WithdrawStateRequest(QWindow* window, Qt::WindowStates states);

}  // namespace kivra::widgets
