#include "core/folder_listing.h"

#include <algorithm>

#include "core/name_order.h"
#include "platform/directory_reader.h"

namespace kivra {

namespace {

// A folder's own size is room enough for its names on the usual file systems, but it never
// shrinks: one that once held many more files is given no more than this beforehand.
constexpr qint64 kMostRoom = 64 << 20;

QByteArrayView nameOf(const ListedBytes& bytes, const ListedName& row) {
    return QByteArrayView(bytes.data() + row.start, row.size);
}

// Room for `count` rows and `bytes` of names and an eighth more of each, for the files that
// arrive later: taken now, neither is copied, nor new memory faulted in, on the window's thread
// when they come.
void makeRoom(FolderListing& listing, qsizetype count, qsizetype bytes) {
    listing.rows.reserve(count + count / 8 + 256);
    listing.bytes.reserve(bytes + bytes / 8 + 4096);
}

void findWanted(FolderListing& listing, const QByteArray& wanted) {
    if (wanted.isEmpty()) return;
    for (size_t row = 0; row < listing.rows.size(); ++row) {
        if (nameOf(listing.bytes, listing.rows[row]) != wanted) continue;
        listing.wantedFound = true;
        listing.wantedRow = qsizetype(row);
        return;
    }
}

// Puts the rows (in any order) in the listing's: by name, or by time with ties by name.
void order(FolderListing& listing) {
    ListedRows& rows = listing.rows;
    std::vector<quint32> order = NameOrder(
        qsizetype(rows.size()), [&](qsizetype i) { return nameOf(listing.bytes, rows[i]); });
    // Stable, so files of the same time stay in the name order.
    if (listing.newestFirst)
        std::stable_sort(order.begin(), order.end(),
                         [&](quint32 a, quint32 b) { return rows[a].time > rows[b].time; });
    // In place, a cycle at a time: a second array of rows would cost as much memory again.
    std::vector<bool> placed(rows.size());
    for (size_t start = 0; start < rows.size(); ++start) {
        if (placed[start]) continue;
        const ListedName first = rows[start];
        for (size_t to = start;;) {
            placed[to] = true;
            const size_t from = order[to];
            if (from == start) {
                rows[to] = first;
                break;
            }
            rows[to] = rows[from];
            to = from;
        }
    }
}

}  // namespace

FolderListing ReadFolder(const QByteArray& native, const FolderReadOptions& options) {
    FolderListing listing;
    listing.newestFirst = listing.timesKnown = options.newestFirst;
    // Taken once, as the names grow past it they would be copied; room not written to costs
    // nothing. A name takes twelve bytes or more of a folder's size.
    const qint64 room = std::min(platform::DirectorySize(native), kMostRoom);
    makeRoom(listing, room / 12, room);
    std::string directories;
    std::vector<qsizetype> directoryEnds;
    listing.readable = platform::ReadDirectory(
        native,
        [&](const platform::DirectoryEntryView& entry) {
            if (entry.isDirectory) {
                if (entry.isHidden && !options.showHidden) return;
                directories.append(entry.name.data(), entry.name.size());
                directoryEnds.push_back(directories.size());
                return;
            }
            if (!listing.wantedFound && !options.wanted.isEmpty() && entry.name == options.wanted)
                listing.wantedFound = true;
            if (entry.isHidden && !options.showHidden) return;
            listing.rows.push_back({qsizetype(listing.bytes.size()), entry.name.size(),
                                    options.newestFirst ? entry.modified : 0});
            listing.bytes.append(entry.name.data(), entry.name.size());
        },
        options.newestFirst ? platform::EntryTimes::Read : platform::EntryTimes::Skip);
    // Where the folder's size was short.
    makeRoom(listing, qsizetype(listing.rows.size()), qsizetype(listing.bytes.size()));
    if (listing.newestFirst) {
        listing.timeOf.reserve(listing.rows.size());
        for (const ListedName& row : listing.rows)
            listing.timeOf.insert(nameOf(listing.bytes, row).toByteArray(), row.time);
    }
    order(listing);
    findWanted(listing, options.wanted);
    listing.subdirectories.reserve(directoryEnds.size());
    for (const qsizetype i : NameOrder(directories, directoryEnds))
        listing.subdirectories.append(NameAt(directories, directoryEnds, i).toByteArray());
    return listing;
}

FolderListing Reorder(const ListedBytes& bytes, const ListedRows& rows, bool timesKnown,
                      const FolderReadOptions& options) {
    FolderListing listing;
    listing.readable = true;
    listing.read = false;
    listing.timesKnown = timesKnown;
    listing.newestFirst = options.newestFirst && timesKnown;
    // The names copied close together: those of files gone since the read are left behind.
    makeRoom(listing, qsizetype(rows.size()), qsizetype(bytes.size()));
    for (const ListedName& row : rows) {
        listing.rows.push_back({qsizetype(listing.bytes.size()), row.size, row.time});
        listing.bytes.append(bytes, row.start, row.size);
    }
    // Rows by name need only be put by time; stable, so files of the same time stay in it.
    if (listing.newestFirst)
        std::stable_sort(listing.rows.begin(), listing.rows.end(),
                         [](const ListedName& a, const ListedName& b) { return a.time > b.time; });
    else
        order(listing);
    findWanted(listing, options.wanted);
    return listing;
}

bool NameLess(QByteArrayView a, QByteArrayView b) {
    if (a == b) return false;
    std::string both;
    both.reserve(a.size() + b.size());
    both.append(a.data(), a.size());
    both.append(b.data(), b.size());
    return NameOrder(both, {a.size(), a.size() + b.size()}).first() == 0;
}

}  // namespace kivra
