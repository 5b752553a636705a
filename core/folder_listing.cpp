#include "core/folder_listing.h"

#include <algorithm>

#include "core/name_order.h"
#include "platform/directory_reader.h"

namespace kivra {

namespace {

// Orders the names held in `listing.bytes` (name i ending at ends[i], with times[i] where
// known) into its rows.
void order(FolderListing& listing, const std::vector<qsizetype>& ends,
           const std::vector<qint64>& times, const FolderReadOptions& options, bool timeOf) {
    QList<qsizetype> order = NameOrder(listing.bytes, ends);
    // Stable, so files of the same time stay in the name order.
    if (listing.newestFirst)
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return times[a] > times[b]; });
    listing.rows.reserve(order.size());
    for (const qsizetype i : order) {
        const QByteArrayView name = NameAt(listing.bytes, ends, i);
        if (!options.wanted.isEmpty() && listing.wantedRow < 0 && name == options.wanted)
            listing.wantedRow = qsizetype(listing.rows.size());
        listing.rows.push_back(
            {name.data() - listing.bytes.data(), name.size(), times.empty() ? 0 : times[i]});
    }
    if (listing.newestFirst && timeOf) {
        listing.timeOf.reserve(ends.size());
        for (qsizetype i = 0; i < qsizetype(ends.size()); ++i)
            listing.timeOf.insert(NameAt(listing.bytes, ends, i).toByteArray(), times[i]);
    }
}

}  // namespace

FolderListing ReadFolder(const QByteArray& native, const FolderReadOptions& options) {
    FolderListing listing;
    listing.newestFirst = listing.timesKnown = options.newestFirst;
    std::string directories;
    std::vector<qsizetype> directoryEnds, ends;
    std::vector<qint64> times;
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
            listing.bytes.append(entry.name.data(), entry.name.size());
            ends.push_back(listing.bytes.size());
            if (options.newestFirst) times.push_back(entry.modified);
        },
        options.newestFirst ? platform::EntryTimes::Read : platform::EntryTimes::Skip);
    order(listing, ends, times, options, true);
    listing.subdirectories.reserve(directoryEnds.size());
    for (const qsizetype i : NameOrder(directories, directoryEnds))
        listing.subdirectories.append(NameAt(directories, directoryEnds, i).toByteArray());
    return listing;
}

FolderListing Reorder(const std::string& bytes, const std::vector<ListedName>& rows,
                      bool timesKnown, const FolderReadOptions& options) {
    FolderListing listing;
    listing.readable = true;
    listing.read = false;
    listing.timesKnown = timesKnown;
    listing.newestFirst = options.newestFirst && timesKnown;
    const auto wanted = [&](const ListedName& row) {
        return QByteArrayView(bytes.data() + row.start, row.size) == options.wanted;
    };
    if (listing.newestFirst) {
        // Rows by name: stable, so files of the same time stay in that order.
        listing.bytes = bytes;
        listing.rows = rows;
        std::stable_sort(listing.rows.begin(), listing.rows.end(),
                         [](const ListedName& a, const ListedName& b) { return a.time > b.time; });
        if (!options.wanted.isEmpty()) {
            const auto found = std::find_if(listing.rows.begin(), listing.rows.end(), wanted);
            listing.wantedFound = found != listing.rows.end();
            listing.wantedRow = listing.wantedFound ? found - listing.rows.begin() : -1;
        }
        return listing;
    }
    std::vector<qsizetype> ends;
    std::vector<qint64> times;
    listing.bytes.reserve(bytes.size());
    ends.reserve(rows.size());
    times.reserve(rows.size());
    for (const ListedName& row : rows) {
        listing.bytes.append(bytes, row.start, row.size);
        ends.push_back(listing.bytes.size());
        times.push_back(row.time);
        listing.wantedFound = listing.wantedFound || (!options.wanted.isEmpty() && wanted(row));
    }
    order(listing, ends, times, options, false);
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
