#pragma once

// What the log's checks, its lock and its undo record share on POSIX.

#include <sys/types.h>
#include <unistd.h>

#include <QString>
#include <utility>

#include "platform/log_access.h"
#include "platform/result.h"

namespace kivra::platform::detail {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0) close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

QString shown(const QString& path);
// As a shell takes it, for the command that mends a refusal.
QString quoted(const QString& path);
QString userName(uid_t uid);
bool acceptedOwner(uid_t uid);
Failure refused(const QString& log, const QString& what, const QString& mend);
Failure cannotOpen(const QString& log, int error);
Failure cannotLock(const QString& log, int error);
Failure folderNotWritable(const QString& log, const QString& folder, int error);
// The folder, opened and checked; -1 when it is not there.
Result<int> openFolder(const QString& folder, const QString& log);
// The log in its checked folder: only the user's own files, and links of the user's own to them.
Result<LogOpening> openInFolder(int folder, const QString& logFolder, const QString& name,
                                LogUse use);

}  // namespace kivra::platform::detail
