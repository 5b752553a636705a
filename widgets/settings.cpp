#include "widgets/settings.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <utility>

namespace kivra::widgets {

namespace {

const QString kName = QStringLiteral("kivra32");

// The first file QSettings would open that only waits or never ends (a FIFO, a device, a
// socket); empty when there is none. A folder in a file's place Qt refuses by itself.
QString unreadableFile() {
#ifdef Q_OS_WIN
    return {};
#else
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    for (const QString& path : {config + u'/' + kName + u'/' + kName + QStringLiteral(".conf"),
                                config + u'/' + kName + QStringLiteral(".conf")}) {
        const QFileInfo file(path);
        if (file.exists() && !file.isFile() && !file.isDir()) return path;
    }
    return {};
#endif
}

}  // namespace

QSettings UserSettings() {
    const QString unreadable = unreadableFile();
    if (unreadable.isEmpty())
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, kName, kName);
    static bool told = false;
    if (!std::exchange(told, true))
        std::fprintf(stderr, "kivra32: %s is not an ordinary file; settings are not kept\n",
                     qPrintable(unreadable));
    // A name under a file that is no folder can be neither opened nor made: the settings
    // start empty and nothing is written.
    return QSettings(unreadable + QStringLiteral("/kivra32.conf"), QSettings::IniFormat);
}

}  // namespace kivra::widgets
