#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/description_index.h"
#include "core/folder_listing.h"
#include "widgets/note_marks.h"

namespace kivra::widgets {

// The file list's names as the file system gives them, in one buffer: a folder of a hundred
// thousand files makes no string or array per name. A name is decoded only when a row is drawn
// or asked about. A read is taken whole, made off the GUI thread; changes are applied at once.
class FileNamesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    ~FileNamesModel() override;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.size());
    }
    // The view asks for every row's index at each layout: kept to the bounds check.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override {
        return row >= 0 && row < int(rows_.size()) && column == 0 && !parent.isValid()
                   ? createIndex(row, 0)
                   : QModelIndex();
    }
    QVariant data(const QModelIndex& index, int role) const override;

    void reset(FolderListing listing);
    // A name seen changed on disk: put in its place with its time, or taken out (no time).
    struct Change {
        QByteArray name;
        std::optional<qint64> time;
    };
    // All of them at once, rows the view holds (the current one) kept on their names; false
    // when no row moved.
    bool apply(const std::vector<Change>& changes);
    // The row of `name`, found by its place in the order; -1 when it is not listed. `place`: the
    // row it has or would have there, where looked for.
    int rowOf(QByteArrayView name, int* place = nullptr) const;

    bool timesKnown() const { return timesKnown_; }
    const ListedBytes& bytes() const { return bytes_; }
    const ListedRows& rows() const { return rows_; }
    QByteArrayView bytesAt(int row) const {
        return QByteArrayView(bytes_.data() + rows_[row].start, rows_[row].size);
    }

    void mark(const QString& directory, std::shared_ptr<const DescriptionIndex> notes);
    QStringList descriptions(int row) const;
    QStringList names() const;

private:
    QString nameAt(int row) const;
    const DescriptionIndex::Hits& hits(int row) const;
    // The first row that does not come before (`time`, `name`): newer first, then by name.
    int placeOf(QByteArrayView name, qint64 time) const;

    // Names taken out leave their bytes here until the next full read.
    ListedBytes bytes_;
    ListedRows rows_;
    // apply()'s own, kept from one call to the next.
    std::vector<int> moved_;
    bool byTime_ = false;
    bool timesKnown_ = false;
    // Each name's time, to find its row, when ordered by time.
    QHash<QByteArray, qint64> times_;
    QString directory_;
    std::shared_ptr<const DescriptionIndex> index_;
    mutable QHash<int, DescriptionIndex::Hits> hits_;
    const QIcon note_ = NoteIcon();
    const QIcon blank_ = BlankIcon();
};

}  // namespace kivra::widgets
