#include <signal.h>
#include <unistd.h>

#include <QFileDevice>

#include "platform/file_writes.h"

namespace kivra::platform {

bool SyncToDisk(const QFileDevice& file) { return file.handle() >= 0 && fsync(file.handle()) == 0; }

void IgnoreFileSizeSignal() { signal(SIGXFSZ, SIG_IGN); }

}  // namespace kivra::platform
