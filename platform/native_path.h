#pragma once

#include <QDir>
#include <QString>

namespace kivra::platform {

// The directory, a separator unless it already ends in one, and the name: "C:\" + "a" gives
// "C:\a", "C:\DL" + "a" gives "C:\DL\a".
inline QString JoinPath(const QString& directory, const QString& name) {
    const QChar separator = QDir::separator();
    if (directory.endsWith(separator)) return directory + name;
    return directory + separator + name;
}

// Native separators and no trailing separator, except at a root.
inline QString NormalizedDirectory(const QString& path) {
    QString clean = QDir::toNativeSeparators(QDir::cleanPath(QDir(path).absolutePath()));
    const QChar separator = QDir::separator();
    if (QDir(clean).isRoot() && !clean.endsWith(separator)) clean += separator;
    return clean;
}

}  // namespace kivra::platform
