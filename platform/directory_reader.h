#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <functional>
#include <optional>

namespace kivra::platform {

// One name in a directory, as the file system holds it: on POSIX the raw bytes, which need not
// be valid UTF-8; on Windows the UTF-16 name in UTF-8.
struct DirectoryEntry {
    QByteArray name;
    bool isDirectory = false;
    bool isHidden = false;  // a dot-name on POSIX, the hidden attribute on Windows
};

// The entries of `directory` (native bytes, as above) without "." and "..", hidden ones
// flagged. Nullopt when the directory cannot be read.
std::optional<QList<DirectoryEntry>> ReadDirectory(const QByteArray& directory);

struct DirectoryEntryView {
    QByteArrayView name;
    bool isDirectory = false;
    bool isHidden = false;
    // Nanoseconds since 1970, of what a link points to; 0 unless asked for.
    qint64 modified = 0;
};
enum class EntryTimes { Skip, Read };
// The same entries, each handed to `visit` with its name valid only during the call: a folder of
// a hundred thousand files then costs no array per name. False when the directory cannot be read.
// Reading the times costs a stat per entry on POSIX.
bool ReadDirectory(const QByteArray& directory,
                   const std::function<void(const DirectoryEntryView&)>& visit,
                   EntryTimes times = EntryTimes::Skip);

// The size the file system gives `directory` itself, 0 where it gives none. On most it is at
// least the length of all the names within, so room for them can be taken once.
qint64 DirectorySize(const QByteArray& directory);

// The one entry `name` of `directory`, its time read, as ReadDirectory would hand it; nullopt when
// there is no such file or folder now (or it is neither).
std::optional<DirectoryEntryView> ReadEntry(const QByteArray& directory, QByteArrayView name);

// The process's current directory, in the same native bytes; empty when it is gone.
QByteArray CurrentDirectory();

// True when `directory` exists and can be listed.
bool IsReadableDirectory(const QByteArray& directory);

// Whether the file or folder at `path` is hidden, as its listing would flag it.
bool IsHidden(const QByteArray& path);

// False for folders whose changes reach no watcher: network and FUSE file systems.
bool SendsChangeEvents(const QByteArray& directory);

}  // namespace kivra::platform
