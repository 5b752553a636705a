#include "widgets/wayland_states.h"

namespace kivra::widgets {

void WithdrawStateRequest(QWindow*, Qt::WindowStates) {}

}  // namespace kivra::widgets
