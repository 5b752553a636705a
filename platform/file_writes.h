#pragma once

#include <QtGlobal>

class QFileDevice;

namespace kivra::platform {

// Waits until what was written to the open `file` is on the disk, so it survives a power cut.
// The cost is that of the unsaved bytes, not of the file's size.
bool SyncToDisk(const QFileDevice& file);

// Turns a write past the process's file-size limit into a failed write the program can report,
// where the system would otherwise end the program in the middle of it.
void IgnoreFileSizeSignal();

}  // namespace kivra::platform
