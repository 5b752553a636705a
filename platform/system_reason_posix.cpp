#include <pwd.h>
#include <string.h>

#include <vector>

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

QString UserName(unsigned uid) {
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

}  // namespace kivra::platform
