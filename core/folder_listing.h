#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <string>
#include <vector>

#include "platform/large_pages.h"

namespace kivra {

// A file's name, at `start` in its listing's bytes, and its modification time (0 unless known).
struct ListedName {
    qsizetype start = 0, size = 0;
    qint64 time = 0;
};

// A large folder's names and rows are filled at once, in large pages where the system has them.
using ListedBytes = std::basic_string<char, std::char_traits<char>, platform::LargePages<char>>;
using ListedRows = std::vector<ListedName, platform::LargePages<ListedName>>;

// One read of a folder, for both lists: its files in the order shown and its subdirectories in
// name order. Made off the GUI thread and handed over whole: the list takes it as it is.
struct FolderListing {
    bool readable = false;
    // False for the same names put in another order: the folder was not read.
    bool read = true;
    ListedBytes bytes;
    ListedRows rows;  // as shown, with room for files that arrive later
    bool newestFirst = false;
    // Every file's time is known (read, or kept from an earlier read and the changes since).
    bool timesKnown = false;
    // Each file's time by name, when read ordered by time.
    QHash<QByteArray, qint64> timeOf;
    QList<QByteArray> subdirectories;
    // Whether the file `wanted` is there (hidden or not), and its row when shown.
    bool wantedFound = false;
    qsizetype wantedRow = -1;
};

struct FolderReadOptions {
    bool showHidden = false;
    bool newestFirst = false;  // by time, newest on top, ties by name; the times read
    QByteArray wanted;
};

FolderListing ReadFolder(const QByteArray& native, const FolderReadOptions& options);

// The names of `rows` (in `bytes`, times known or not) in the order `options` asks for, without
// reading the folder: by time only where every time is known, and then `rows` are in name order.
// No `timeOf`: the list keeps its own.
FolderListing Reorder(const ListedBytes& bytes, const ListedRows& rows, bool timesKnown,
                      const FolderReadOptions& options);

// Whether `a` comes before `b` in the lists' name order.
bool NameLess(QByteArrayView a, QByteArrayView b);

}  // namespace kivra
