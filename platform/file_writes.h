#pragma once

#include <QtGlobal>

class QFileDevice;
class QString;

namespace kivra::platform {

// Waits until what was written to the open `file` is on the disk, so it survives a power cut.
// The cost is that of the unsaved bytes, not of the file's size.
bool SyncToDisk(const QFileDevice& file);

// Asks the system to start writing what was written to `file` to the disk, without waiting: a
// large file then reaches the disk while the rest of it is being written, and the sync at its
// end waits only for the last part.
void StartWriteBack(const QFileDevice& file);

// Turns a write past the process's file-size limit into a failed write the program can report,
// where the system would otherwise end the program in the middle of it.
void IgnoreFileSizeSignal();

// Whether the file at `path` is another user's, or one others may write to: a file that replaces
// it is then made private, whatever mode it had. False where there is none.
bool ForeignFile(const QString& path);

}  // namespace kivra::platform
