#include <string.h>

#include "platform/system_reason.h"

namespace kivra::platform {

QString SystemReason(int error) {
    wchar_t buffer[256] = {};
    _wcserror_s(buffer, 256, error);
    return QString::fromWCharArray(buffer);
}

}  // namespace kivra::platform
