#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include "platform/directory_reader.h"

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

// A path as the file system takes it, from a path the program holds as text.
inline QByteArray NativeBytes(const QString& path) {
#ifdef Q_OS_WIN
    return path.toUtf8();
#else
    return QFile::encodeName(path);
#endif
}

// The directory's bytes, a separator unless they already end in one, and the name's bytes.
inline QByteArray JoinBytes(const QByteArray& directory, const QByteArray& name) {
    const char separator = QDir::separator().toLatin1();
    if (directory.endsWith(separator)) return directory + name;
    return directory + separator + name;
}

// The parent of a normalized native directory; empty at a root.
inline QByteArray ParentBytes(const QByteArray& directory) {
    const char separator = QDir::separator().toLatin1();
    const qsizetype last = directory.lastIndexOf(separator, directory.size() - 2);
    if (last < 0 || directory.size() <= 1 || last == directory.size() - 1) return {};
    const qsizetype first = directory.indexOf(separator);
    return directory.left(last == first ? last + 1 : last);  // the root keeps its separator
}

// A path the user typed, in native bytes, made absolute against the current directory and
// cleaned of ".", ".." and doubled separators, as NormalizedDirectory does for text.
inline QByteArray AbsoluteNativePath(const QByteArray& path) {
#ifdef Q_OS_WIN
    return NormalizedDirectory(QString::fromUtf8(path)).toUtf8();
#else
    const QByteArray absolute = path.startsWith('/') ? path : JoinBytes(CurrentDirectory(), path);
    // Latin-1 keeps every byte as it is, names that are not UTF-8 included.
    return QDir::cleanPath(QString::fromLatin1(absolute)).toLatin1();
#endif
}

}  // namespace kivra::platform
