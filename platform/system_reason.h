#pragma once

#include <QString>

#include "platform/result.h"

namespace kivra::platform {

// The system's own words for an errno value.
QString SystemReason(int error);

// The name of the user with this POSIX user ID, or the number where it has none.
QString UserName(unsigned uid);

// A failure told in the system's words alone, for the caller to word for the user.
inline Failure SystemFailure(int error) {
    const QString reason = SystemReason(error);
    return {reason, reason};
}

}  // namespace kivra::platform
