#include <string.h>

#include "platform/system_reason.h"

namespace kivra::platform {

QString SystemReason(int error) {
    char buffer[256] = {};
    // The GNU strerror_r returns its text, which need not be in the buffer.
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
    return QString::fromLocal8Bit(strerror_r(error, buffer, sizeof buffer));
#else
    strerror_r(error, buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer);
#endif
}

}  // namespace kivra::platform
