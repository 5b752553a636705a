#include <QFile>

#include "platform/trash.h"

namespace kivra::platform {

// The Recycle Bin moves a file and its record in one operation.
Result<bool> MoveToTrash(const QString& path) { return QFile::moveToTrash(path); }

}  // namespace kivra::platform
