#pragma once

#include <QString>

namespace kivra::platform {

// What became of a file sent to the desktop's trash (the Recycle Bin on Windows).
struct TrashResult {
    enum Outcome {
        Trashed,  // in the trash, with what restores it
        NoTrash,  // there is no trash for it: the file is where it was
        Failed,   // the trash could not take it whole: the file is where it was
    } outcome = NoTrash;
    QString error;  // for Failed: the system's words
};

// Moves the file `path` to the trash. On Linux its entry in the home trash (the freedesktop.org
// layout) is written whole and synced before the file moves, so a full disk leaves the file in
// place, never a trashed file with nothing to restore it from.
TrashResult MoveToTrash(const QString& path);

}  // namespace kivra::platform
