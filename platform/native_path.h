#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <algorithm>

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

// Names in the order the lists show them: letter case ignored, ties broken exactly so the order
// is stable.
inline void SortNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

}  // namespace kivra::platform
