#include "view_current/current_entries_model.h"

#include <algorithm>
#include <array>

namespace kivra {

namespace {

constexpr auto kAsciiFold = [] {
    std::array<char16_t, 128> table{};
    for (char16_t c = 0; c < 128; ++c) table[c] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    return table;
}();

inline char16_t folded(char16_t c) { return c < 128 ? kAsciiFold[c] : QChar::toCaseFolded(c); }

// Folds unit by unit; the ASCII table keeps sorting a large log cheap.
int compareIgnoringCase(const QString& a, const QString& b) {
    const char16_t* pa = reinterpret_cast<const char16_t*>(a.constData());
    const char16_t* pb = reinterpret_cast<const char16_t*>(b.constData());
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t ca = pa[i];
        const char16_t cb = pb[i];
        if (ca == cb) continue;
        const char16_t fa = folded(ca);
        const char16_t fb = folded(cb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

bool EntryLessThan(const QString& a, const QString& b) {
    const int byFold = compareIgnoringCase(a, b);
    if (byFold != 0) return byFold < 0;
    return QString::compare(a, b, Qt::CaseSensitive) < 0;
}

int CurrentEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant CurrentEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= items_.size()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return items_.at(index.row());
    return {};
}

void CurrentEntriesModel::addItems(QStringList lines) {
    if (lines.isEmpty()) return;
    beginResetModel();
    const qsizetype oldSize = items_.size();
    if (oldSize == 0)
        items_ = std::move(lines);
    else
        items_.append(lines);
    std::sort(items_.begin() + oldSize, items_.end(), EntryLessThan);
    std::inplace_merge(items_.begin(), items_.begin() + oldSize, items_.end(), EntryLessThan);
    endResetModel();
}

void CurrentEntriesModel::removeItem(int row) {
    if (row < 0 || row >= items_.size()) return;
    beginRemoveRows({}, row, row);
    items_.removeAt(row);
    endRemoveRows();
}

void CurrentEntriesModel::clear() {
    beginResetModel();
    items_.clear();
    endResetModel();
}

}  // namespace kivra
