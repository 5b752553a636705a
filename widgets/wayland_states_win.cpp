#include "widgets/wayland_states.h"

namespace kivra::widgets {

bool WithdrawStateRequest(QWindow*, Qt::WindowStates) { return false; }

}  // namespace kivra::widgets
