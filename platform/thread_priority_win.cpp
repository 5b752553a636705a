#include <windows.h>

#include "platform/thread_priority.h"

namespace kivra::platform {

void LowerThreadPriority() {
    thread_local bool lowered = false;
    if (lowered) return;
    lowered = true;
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

}  // namespace kivra::platform
