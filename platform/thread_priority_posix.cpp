#include <sys/resource.h>
#include <unistd.h>

#include "platform/thread_priority.h"

namespace kivra::platform {

void LowerThreadPriority() {
    thread_local bool lowered = false;
    if (lowered) return;
    lowered = true;
#if defined(__linux__)
    // Linux keeps a nice value per thread: ten below weighs about a tenth of the window's thread.
    constexpr int kNice = 10;
    const id_t thread = id_t(gettid());
    if (getpriority(PRIO_PROCESS, thread) < kNice) (void)setpriority(PRIO_PROCESS, thread, kNice);
#endif
}

}  // namespace kivra::platform
