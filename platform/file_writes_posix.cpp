#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
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

bool ForeignFile(const QString& path) {
    struct stat info {};
    return stat(QFile::encodeName(path).constData(), &info) == 0 &&
           (info.st_uid != geteuid() || (info.st_mode & S_IWOTH));
}

}  // namespace kivra::platform
