#pragma once

#include <sys/resource.h>

#include <QtGlobal>

#include "platform/file_writes.h"

namespace kivra::test {

// Caps the size of any file this process writes while it lives, so writes fail as on a full disk.
// The signal the system would then send is ignored the way the program's main does it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        platform::IgnoreFileSizeSignal();
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    Q_DISABLE_COPY(FileSizeLimit)

private:
    rlimit saved_{};
};

}  // namespace kivra::test
