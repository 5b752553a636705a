#include "view_current/current_entries_model.h"

namespace kivra {

int CurrentEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CurrentEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return table_.shown(rows_[index.row()]);
    return {};
}

void CurrentEntriesModel::addFrom(quint32 firstNew) {
    if (firstNew == table_.size()) return;
    beginResetModel();
    rows_ = table_.merged(rows_, table_.sorted(table_.all(firstNew)));
    endResetModel();
}

void CurrentEntriesModel::addItems(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) entry_log_detail::encodeLine(line, bytes);
    const quint32 firstNew = table_.size();
    table_.appendBytes(bytes);
    addFrom(firstNew);
}

void CurrentEntriesModel::addEntries(EntryTable table) {
    if (table_.size() == 0) {
        table_ = std::move(table);
        addFrom(0);
        return;
    }
    const quint32 firstNew = table_.size();
    table_.appendBytes(table.bytes());
    addFrom(firstNew);
}

void CurrentEntriesModel::removeItem(int row) {
    if (row < 0 || size_t(row) >= rows_.size()) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void CurrentEntriesModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

LogResult CurrentEntriesModel::writeBack(const EntryLog& log) { return table_.rewrite(log, rows_); }

}  // namespace kivra
