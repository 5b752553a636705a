#include <QFileInfo>

#include "platform/ordinary_file.h"

namespace kivra::platform {

bool IsOrdinaryFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

}  // namespace kivra::platform
