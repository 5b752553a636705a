#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "platform/native_path.h"
#include "platform/volumes.h"

namespace kivra::platform {

QList<Volume> UserPlaces() {
#ifdef Q_OS_WIN
    return {};
#else
    const QString home = NormalizedDirectory(QDir::homePath());
    //: The user's home folder in the drive list, as a file manager names it.
    const QString name = QCoreApplication::translate("Places", "Home");
    QList<Volume> places = {{home, name, Volume::Kind::Home}};
    for (const QStandardPaths::StandardLocation location :
         {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation,
          QStandardPaths::DownloadLocation, QStandardPaths::MusicLocation,
          QStandardPaths::PicturesLocation, QStandardPaths::MoviesLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (folder.isEmpty()) continue;
        const QString path = NormalizedDirectory(folder);
        // XDG_DESKTOP_DIR=$HOME is common, and two names may point at one folder.
        const bool offered = std::any_of(places.cbegin(), places.cend(),
                                         [&path](const Volume& v) { return v.root == path; });
        if (offered || !QFileInfo(path).isDir()) continue;
        places.append({path, QFileInfo(path).fileName(), Volume::Kind::Folder});
    }
    return places;
#endif
}

}  // namespace kivra::platform
