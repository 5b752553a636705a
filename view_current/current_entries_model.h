#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace kivra {

// Entry lines kept in ascending order, letter case ignored; lines equal but for case follow in
// exact (code unit) order, so the listing never depends on the order of the file.
bool EntryLessThan(const QString& a, const QString& b);

// The View Current list's items. Filling sorts once instead of placing line by line, so a log
// of a million lines opens about as fast as sorting it.
class CurrentEntriesModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Each line becomes one item at its place in the sorted order.
    void addItems(QStringList lines);
    void removeItem(int row);
    void clear();

    // In list order.
    const QStringList& items() const { return items_; }

private:
    QStringList items_;
};

}  // namespace kivra
