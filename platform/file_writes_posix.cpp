#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QFileDevice>

#include "platform/file_writes.h"

namespace kivra::platform {

bool SyncToDisk(const QFileDevice& file) { return file.handle() >= 0 && fsync(file.handle()) == 0; }

void StartWriteBack(const QFileDevice& file) {
#ifdef __linux__
    if (file.handle() >= 0) sync_file_range(file.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
#endif
}

void IgnoreFileSizeSignal() { signal(SIGXFSZ, SIG_IGN); }

}  // namespace kivra::platform
