#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <string>
#include <vector>

namespace kivra {

// One read of a folder, for both lists: its files in the order shown and its subdirectories in
// name order. Made off the GUI thread and handed over whole.
struct FolderListing {
    bool readable = false;
    // The files' names one after another, name i ending at ends[i]; `order` lists them as shown.
    std::string bytes;
    std::vector<qsizetype> ends;
    QList<qsizetype> order;
    // Ordered by time: each file's modification time, by index and by name.
    bool newestFirst = false;
    std::vector<qint64> times;
    QHash<QByteArray, qint64> timeOf;
    QList<QByteArray> subdirectories;
    // Whether the file `wanted` is there (hidden or not), and its place in `order` when shown.
    bool wantedFound = false;
    qsizetype wantedRow = -1;
};

struct FolderReadOptions {
    bool showHidden = false;
    bool newestFirst = false;  // by time, newest on top, ties by name; the times read
    QByteArray wanted;
};

FolderListing ReadFolder(const QByteArray& native, const FolderReadOptions& options);

// Whether `a` comes before `b` in the lists' name order.
bool NameLess(QByteArrayView a, QByteArrayView b);

}  // namespace kivra
