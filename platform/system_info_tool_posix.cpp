#include <QStandardPaths>

#include "platform/system_info_tool.h"

namespace kivra::platform {

QString FindSystemInfoTool() {
    for (const char* program : {"hardinfo", "hardinfo2", "kinfocenter", "lshw-gtk"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!found.isEmpty()) return found;
    }
    return {};
}

}  // namespace kivra::platform
