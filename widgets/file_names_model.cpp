#include "widgets/file_names_model.h"

#include <QSet>
#include <QtConcurrent>
#include <algorithm>

#include "core/name_decoding.h"
#include "platform/native_path.h"
#include "platform/thread_priority.h"

namespace kivra::widgets {

namespace {

// A hundred thousand names take a while to free: not on the GUI thread.
template <typename... Old>
void freeElsewhere(Old&&... old) {
    (void)QtConcurrent::run(platform::BackgroundPool(),
                            [... kept = std::move(old)] { platform::LowerThreadPriority(); });
}

}  // namespace

FileNamesModel::~FileNamesModel() { freeElsewhere(std::move(times_)); }

QVariant FileNamesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
            return nameAt(row);
        case Qt::DecorationRole:
            // Every row keeps the room, so the names stay in line.
            return hits(row).empty() ? blank_ : note_;
        case Qt::ToolTipRole:
            return hits(row).empty() ? QVariant() : NotesTip(nameAt(row), descriptions(row));
        case Qt::AccessibleDescriptionRole:
            return NotesAccessibleText(descriptions(row));
        default:
            return {};
    }
}

void FileNamesModel::reset(FolderListing listing) {
    beginResetModel();
    std::swap(bytes_, listing.bytes);
    std::swap(rows_, listing.rows);
    // The same names in another order: the times by name stay as they are.
    if (listing.read) std::swap(times_, listing.timeOf);
    byTime_ = listing.newestFirst;
    timesKnown_ = listing.timesKnown;
    hits_.clear();
    endResetModel();
    freeElsewhere(std::move(listing));
}

int FileNamesModel::rowOf(QByteArrayView name, int* place) const {
    qint64 time = 0;
    if (byTime_) {
        const auto found = times_.constFind(name.toByteArray());
        if (found == times_.cend()) return -1;
        time = *found;
    }
    const int row = placeOf(name, time);
    if (place) *place = row;
    return row < rowCount() && bytesAt(row) == name ? row : -1;
}

bool FileNamesModel::apply(const std::vector<Change>& changes) {
    // Rows left out and rows added are marked first, then merged in one pass: a burst of names
    // moves the hundred thousand rows once, not once a name.
    std::vector<bool> dropped(rows_.size());
    std::vector<std::pair<int, ListedName>> added;  // with the row it goes before
    QSet<QByteArray> seen;
    for (const Change& change : changes) {
        if (seen.contains(change.name)) continue;
        seen.insert(change.name);
        int place = -1;
        const int old = rowOf(change.name, &place);
        if (old >= 0 && change.time && (!byTime_ || rows_[old].time == *change.time)) {
            rows_[old].time = *change.time;  // by name the row stays: its time is kept
            if (timesKnown_) times_.insert(change.name, *change.time);
            continue;
        }
        if (old >= 0) {
            dropped[old] = true;
            times_.remove(change.name);
        }
        if (!change.time) continue;
        const qint64 when = *change.time;
        // By name, a name not listed goes where it was looked for.
        added.push_back({byTime_ ? placeOf(change.name, when) : place,
                         {qsizetype(bytes_.size()), change.name.size(), when}});
        bytes_.append(change.name.constData(), change.name.size());
        if (timesKnown_) times_.insert(change.name, when);
    }
    if (added.empty() && std::find(dropped.begin(), dropped.end(), true) == dropped.end())
        return false;
    // Names going before the same row, in their order.
    std::stable_sort(added.begin(), added.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        if (byTime_ && a.second.time != b.second.time) return a.second.time > b.second.time;
        return NameLess(QByteArrayView(bytes_.data() + a.second.start, a.second.size),
                        QByteArrayView(bytes_.data() + b.second.start, b.second.size));
    });
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // In place: the rows dropped closed up from the front, then those added let in from the
    // back. Memory taken afresh, a hundred thousand rows' worth, costs more in page faults than
    // the merge. moved_ is each old row's place once the dropped are out.
    moved_.assign(rows_.size(), -1);
    size_t kept = 0;
    auto next = added.begin();
    for (size_t row = 0; row <= rows_.size(); ++row) {
        for (; next != added.end() && next->first == int(row); ++next) next->first = int(kept);
        if (row == rows_.size()) break;
        if (dropped[row]) continue;
        moved_[row] = int(kept);
        rows_[kept++] = rows_[row];
    }
    rows_.resize(kept + added.size());
    for (size_t to = rows_.size(), from = kept, left = added.size(); left > 0;) {
        if (from > size_t(added[left - 1].first))
            rows_[--to] = rows_[--from];
        else
            rows_[--to] = added[--left].second;
    }
    hits_.clear();
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from) {
        const int row = moved_[index.row()];
        // Down by the rows added before it.
        const auto shift = std::upper_bound(added.begin(), added.end(), row,
                                            [](int r, const auto& a) { return r < a.first; });
        to.append(row >= 0 ? createIndex(row + int(shift - added.begin()), 0) : QModelIndex());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    return true;
}

void FileNamesModel::mark(const QString& directory, std::shared_ptr<const DescriptionIndex> notes) {
    directory_ = directory;
    index_ = std::move(notes);
    hits_.clear();
    if (!rows_.empty()) emit dataChanged(index(0), index(rowCount() - 1));
}

QStringList FileNamesModel::descriptions(int row) const {
    return row >= 0 && index_ ? index_->descriptions(hits(row)) : QStringList();
}

QStringList FileNamesModel::names() const {
    QStringList names;
    names.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) names.append(nameAt(row));
    return names;
}

QString FileNamesModel::nameAt(int row) const { return DecodeName(bytesAt(row)); }

// Looked up only for the rows asked about, so a listing costs the same with a log or without.
const DescriptionIndex::Hits& FileNamesModel::hits(int row) const {
    static const DescriptionIndex::Hits none;
    if (!index_) return none;
    auto found = hits_.constFind(row);
    if (found == hits_.cend())
        found =
            hits_.insert(row, index_->lookUp(platform::JoinPath(directory_, nameAt(row)), false));
    return *found;
}

int FileNamesModel::placeOf(QByteArrayView name, qint64 time) const {
    const auto at = std::partition_point(rows_.begin(), rows_.end(), [&](const ListedName& row) {
        if (row.time != time && byTime_) return row.time > time;
        return NameLess(QByteArrayView(bytes_.data() + row.start, row.size), name);
    });
    return static_cast<int>(at - rows_.begin());
}

}  // namespace kivra::widgets
