#include "view_current/current_entries_model.h"

#include <QFont>

namespace kivra {

int CurrentEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CurrentEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows_.size()) return {};
    const quint32 line = rows_[index.row()];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return table_.shown(line);
    switch (role) {
        case Qt::FontRole:
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            break;
        default:
            return {};
    }
    const ItemState state = stateOf(line);
    if (state != ItemState::Gone && state != ItemState::FolderGone) return {};
    if (role == Qt::FontRole) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    return state == ItemState::Gone ? tr("No longer exists")
                                    : tr("Its folder or volume is not there");
}

ItemState CurrentEntriesModel::stateOf(quint32 line) const {
    if (states_.size() < table_.size()) states_.resize(table_.size());
    if (states_[line] == 0) {
        ++checks_;
        // No path is longer than this, so a long line's rest cannot begin one.
        constexpr qsizetype kLongestPath = 1 << 16;
        const QByteArrayView bytes = table_.line(line);
        const QString text =
            entry_log_detail::decodeLine(bytes.first(std::min(bytes.size(), kLongestPath)));
        states_[line] = quint8(int(StateOfEntry(text)) + 1);
    }
    return ItemState(states_[line] - 1);
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
