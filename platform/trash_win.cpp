#include <QFile>

#include "platform/trash.h"

namespace kivra::platform {

// The Recycle Bin moves a file and its record in one operation.
TrashResult MoveToTrash(const QString& path) {
    return {QFile::moveToTrash(path) ? TrashResult::Trashed : TrashResult::NoTrash, {}};
}

}  // namespace kivra::platform
