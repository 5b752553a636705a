#include <QDir>
#include <QFile>

#include "platform/data_folder.h"

namespace kivra::platform {

QByteArray DataFolder() {
    QByteArray folder = qgetenv("XDG_DATA_HOME");
    if (!folder.startsWith('/')) {
        folder = qgetenv("HOME");
        if (folder.isEmpty()) folder = QFile::encodeName(QDir::homePath());
        folder += "/.local/share";
    }
    return folder;
}

}  // namespace kivra::platform
