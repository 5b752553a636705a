#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kivra {

// The file or folder a log entry describes, and how it stands on disk.

// The file system's own bytes of the file or directory at `path` (a path as the lists show it,
// names that are not valid UTF-8 decoded as they decode them); empty when there is none.
QByteArray NativePathOfItem(const QString& path);
// A file or directory at `path`, also one whose name the lists decode from bytes that are not
// valid UTF-8.
bool ItemExists(const QString& path);

// Whether `path` (UTF-8, as the log holds it) is absolute: a drive path on Windows.
bool IsAbsolutePath(QByteArrayView path);

// Whether the text before an entry's first " - " is an absolute path; the disk is not asked.
bool BeginsWithPath(const QString& line);

// How a View Current entry's item stands on disk.
enum class ItemState { NotAPath, There, Gone, FolderGone };
// An entry is there when any path it begins with names an existing file or directory; the first
// one decides whether it is a path at all.
// `memo`, kept by a caller that looks up many entries at once, remembers the last folder asked
// about: entries of one folder ask the disk for it once, and none of a gone folder's items.
struct FolderMemo {
    QString folder;
    bool there = false;
};
ItemState StateOfEntry(const QString& line, FolderMemo* memo = nullptr);

// The item an entry describes: the longest path it begins with that exists, as the marks decide;
// else its first path, marked gone. An empty path when it begins with none.
struct EntryItem {
    QString path;
    bool exists = false;
    QByteArray native;  // the path's own bytes, where it exists
};
EntryItem ItemOfEntry(const QString& line);

// Where an entry's description begins: after the " - " that follows its item (as ItemOfEntry finds
// it), or after the first " - " of a line that begins with no path; -1 for a line without " - ".
qsizetype DescriptionStart(const QString& line);

}  // namespace kivra
