#include "core/folder_listing.h"

#include <algorithm>

#include "core/name_order.h"
#include "platform/directory_reader.h"

namespace kivra {

FolderListing ReadFolder(const QByteArray& native, const FolderReadOptions& options) {
    FolderListing listing;
    listing.newestFirst = options.newestFirst;
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
            listing.bytes.append(entry.name.data(), entry.name.size());
            listing.ends.push_back(listing.bytes.size());
            if (options.newestFirst) listing.times.push_back(entry.modified);
        },
        options.newestFirst ? platform::EntryTimes::Read : platform::EntryTimes::Skip);
    listing.order = NameOrder(listing.bytes, listing.ends);
    // Stable, so files of the same time stay in the name order.
    if (options.newestFirst)
        std::stable_sort(listing.order.begin(), listing.order.end(), [&](qsizetype a, qsizetype b) {
            return listing.times[a] > listing.times[b];
        });
    if (options.newestFirst) {
        listing.timeOf.reserve(listing.ends.size());
        for (qsizetype i = 0; i < qsizetype(listing.ends.size()); ++i)
            listing.timeOf.insert(NameAt(listing.bytes, listing.ends, i).toByteArray(),
                                  listing.times[i]);
    }
    if (listing.wantedFound)
        for (qsizetype row = 0; row < listing.order.size(); ++row)
            if (NameAt(listing.bytes, listing.ends, listing.order[row]) == options.wanted) {
                listing.wantedRow = row;
                break;
            }
    listing.subdirectories.reserve(directoryEnds.size());
    for (const qsizetype i : NameOrder(directories, directoryEnds))
        listing.subdirectories.append(NameAt(directories, directoryEnds, i).toByteArray());
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
