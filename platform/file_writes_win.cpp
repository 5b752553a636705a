#include <windows.h>

#include <QDir>
#include <QFileDevice>

#include "platform/file_writes.h"

namespace kivra::platform {

bool SyncToDisk(const QFileDevice& file) {
    // QFile keeps its handle to itself; the system's cache is per file, so a second handle
    // flushes the same data.
    const std::wstring path = QDir::toNativeSeparators(file.fileName()).toStdWString();
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    const bool flushed = FlushFileBuffers(handle) != 0;
    CloseHandle(handle);
    return flushed;
}

// The system writes its cache out on its own schedule; the sync at the end waits for it.
void StartWriteBack(const QFileDevice&) {}

// Windows has no file-size signal: a write past a quota simply fails.
void IgnoreFileSizeSignal() {}

// The new file takes the access list its folder passes on, not the old file's: nothing to
// tighten.
bool ForeignFile(const QString&) { return false; }

}  // namespace kivra::platform
