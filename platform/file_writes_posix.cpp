#include <errno.h>
#include <signal.h>
#include <unistd.h>

#include <QFileDevice>

#include "platform/file_writes.h"

namespace kivra::platform {

bool SyncToDisk(const QFileDevice& file) { return file.handle() >= 0 && fsync(file.handle()) == 0; }

void IgnoreFileSizeSignal() { signal(SIGXFSZ, SIG_IGN); }

qint64 CopyFileBytes(const QFileDevice& from, const QFileDevice& to, qint64 size, bool& unsupported) {
    unsupported = false;
    qint64 copied = 0;
#ifdef __linux__
    off_t offset = 0;
    while (copied < size) {
        const ssize_t got =
            copy_file_range(from.handle(), &offset, to.handle(), nullptr, size - copied, 0);
        if (got > 0) {
            copied += got;
            continue;
        }
        // Nothing more to read (the file was shortened) or no copy between these two files: the
        // caller's own write tells what is wrong, if anything.
        unsupported = got == 0 || errno == ENOSYS || errno == EXDEV || errno == EINVAL ||
                      errno == EOPNOTSUPP || errno == EBADF;
        break;
    }
#else
    Q_UNUSED(from);
    Q_UNUSED(to);
    unsupported = size > 0;
#endif
    return copied;
}

}  // namespace kivra::platform
