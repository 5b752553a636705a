#include "view_current/current_entries_model.h"

#include <QFont>
#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrentMap>
#include <QtConcurrentRun>
#include <algorithm>

#include "core/entry_item.h"
#include "core/log_lines.h"

namespace kivra {

namespace {

// Lines per slice: a few milliseconds of work, so keys are taken between slices.
constexpr quint32 kSliceLines = 1 << 17;
// No path is longer than this, so a long line's rest cannot begin one.
constexpr qsizetype kLongestPath = 1 << 16;
constexpr QByteArrayView kDash(" - ");

// The bytes of `line` before the character `at` of its text, where `at` follows a " - ": the
// same " - " counted in the bytes, which decode each one to itself.
qsizetype bytesBefore(const QString& text, qsizetype at, QByteArrayView line) {
    qsizetype dashes = 0;
    for (qsizetype i = text.indexOf(QLatin1StringView(kDash)); i >= 0 && i + kDash.size() <= at;
         i = text.indexOf(QLatin1StringView(kDash), i + 1))
        ++dashes;
    qsizetype byte = -1;
    while (dashes-- > 0) byte = line.indexOf(kDash, byte + 1);
    return byte + kDash.size();
}

// The look-ups wait on the disk. Qt's painting borrows the global pool's threads and waits for
// them: on that pool, a million look-ups queued ahead would hold up every paint until done.
QThreadPool* lookUpPool() {
    static QThreadPool pool;
    pool.setThreadPriority(QThread::LowPriority);
    return &pool;
}

}  // namespace

CurrentEntriesModel::CurrentEntriesModel(QObject* parent) : QAbstractListModel(parent) {
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &CurrentEntriesModel::findSlice);
}

int CurrentEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant CurrentEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows_.size()) return {};
    const quint32 line = rows_[index.row()];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return table_.shown(line);
    if (role == LineRole) return table_.text(line);
    if (role == DescriptionRole) {
        const QString text = table_.text(line);
        const qsizetype start = DescriptionStart(text);
        return start < 0 ? QVariant() : text.mid(start);
    }
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

Qt::ItemFlags CurrentEntriesModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (!index.isValid() || size_t(index.row()) >= rows_.size()) return flags;
    const QByteArrayView bytes = table_.line(rows_[index.row()]);
    if (bytes.first(std::min(bytes.size(), kLongestPath)).contains(kDash))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CurrentEntriesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != DescriptionRole || !index.isValid() || size_t(index.row()) >= rows_.size())
        return false;
    const quint32 old = rows_[index.row()];
    const QString text = table_.text(old);
    const qsizetype start = DescriptionStart(text);
    const QString description = OneLine(value.toString());
    if (start < 0 || text.mid(start) == description) return false;
    QByteArray bytes =
        table_.line(old).first(bytesBefore(text, start, table_.line(old))).toByteArray();
    EncodeLogLine(description, bytes);
    table_.appendBytes(bytes);
    const quint32 line = table_.size() - 1;
    const auto [first, last] =
        std::equal_range(kept_.begin(), kept_.end(), old,
                         [this](quint32 a, quint32 b) { return table_.less(a, b); });
    if (const auto at = std::find(first, last, old); at != last) kept_.erase(at);
    // Written back where the line it mends stood in the log.
    standsFor_.insert(line, standsFor_.value(old, old));
    standsFor_.remove(old);
    kept_.insert(std::upper_bound(kept_.begin(), kept_.end(), line,
                                  [this](quint32 a, quint32 b) { return table_.less(a, b); }),
                 line);
    // A find going on, or the next, looks at the new line too.
    holds_.resize(table_.size(), 0);
    if (!words_.empty() && !slices_.isActive()) table_.find(words_, line, line + 1, holds_);
    rows_[index.row()] = line;
    emit dataChanged(index, index);
    return true;
}

ItemState CurrentEntriesModel::stateOf(quint32 line) const {
    if (states_.size() < table_.size()) states_.resize(table_.size());
    if (states_[line] == 0) {
        ++checks_;
        const QByteArrayView bytes = table_.line(line);
        const QString text = DecodeLogLine(bytes.first(std::min(bytes.size(), kLongestPath)));
        states_[line] = quint8(int(StateOfEntry(text)) + 1);
    }
    return ItemState(states_[line] - 1);
}

void CurrentEntriesModel::addFrom(quint32 firstNew) {
    if (firstNew == table_.size()) return;
    kept_ = table_.merged(kept_, table_.sorted(table_.all(firstNew)));
    // First: until it is done, the count asks the disk about no line here.
    checkStates(firstNew);
    refind();
}

void CurrentEntriesModel::checkStates(quint32 first) {
    ++checking_;
    // The buffer is shared, not copied: lines added meanwhile go to a copy of the table's own.
    const QByteArray bytes = table_.bytes();
    const qsizetype from = table_.line(first).data() - bytes.constData();
    auto* watcher = new QFutureWatcher<std::vector<quint8>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, first] {
        takeStates(first, watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(lookUpPool(), [bytes, from, leaving = leaving_] {
        std::vector<QByteArrayView> lines;
        ForEachLogLine(QByteArrayView(bytes).sliced(from),
                       [&lines](QByteArrayView line) { lines.push_back(line); });
        std::vector<quint8> states(lines.size());
        // Mostly waiting on the disk: more parts than cores.
        constexpr size_t kPart = 4096;
        std::vector<size_t> parts;
        for (size_t at = 0; at < lines.size(); at += kPart) parts.push_back(at);
        QtConcurrent::blockingMap(lookUpPool(), parts, [&](size_t at) {
            for (size_t i = at; i < std::min(at + kPart, lines.size()) && !*leaving; ++i) {
                const QByteArrayView line = lines[i].first(std::min(lines[i].size(), kLongestPath));
                states[i] = quint8(int(StateOfEntry(DecodeLogLine(line))) + 1);
            }
        });
        return states;
    }));
}

void CurrentEntriesModel::takeStates(quint32 first, const std::vector<quint8>& states) {
    --checking_;
    if (states_.size() < table_.size()) states_.resize(table_.size());
    for (size_t i = 0; i < states.size() && first + i < states_.size(); ++i)
        if (states_[first + i] == 0) states_[first + i] = states[i];
    if (goneOnly_ && !slices_.isActive()) showFound();
    emit goneCounted();
}

bool CurrentEntriesModel::isGone(quint32 line) const {
    // Unknown while the look-up goes on: never looked up here, line by line.
    if (checking_ > 0 && (line >= states_.size() || states_[line] == 0)) return false;
    const ItemState state = stateOf(line);
    return state == ItemState::Gone || state == ItemState::FolderGone;
}

int CurrentEntriesModel::goneCount() const {
    if (checking_ > 0) return -1;
    return int(std::count_if(kept_.begin(), kept_.end(), [this](quint32 l) { return isGone(l); }));
}

void CurrentEntriesModel::setGoneOnly(bool goneOnly) {
    goneOnly_ = goneOnly;
    if (!slices_.isActive()) showFound();
}

std::vector<quint32> CurrentEntriesModel::goneLines(const std::vector<int>& rows) const {
    std::vector<quint32> lines;
    for (const int row : rows)
        if (row >= 0 && size_t(row) < rows_.size() && isGone(rows_[row]))
            lines.push_back(rows_[row]);
    return lines;
}

QByteArray CurrentEntriesModel::withPath(quint32 line, QByteArrayView path) const {
    const QString text = table_.text(line);
    const qsizetype start = DescriptionStart(text);
    if (start < 0) return {};
    const QByteArrayView bytes = table_.line(line);
    QByteArray out = path.toByteArray().replace('\r', '?').replace('\n', '?');
    out += bytes.sliced(bytesBefore(text, start, bytes) - kDash.size());
    out += "\r\n";
    return out;
}

void CurrentEntriesModel::replaceLines(const QHash<quint32, QByteArray>& bytes) {
    std::vector<quint32> added;
    for (auto it = bytes.begin(); it != bytes.end(); ++it) {
        table_.appendBytes(it.value());
        const quint32 line = table_.size() - 1;
        standsFor_.insert(line, standsFor_.value(it.key(), it.key()));
        standsFor_.remove(it.key());
        added.push_back(line);
    }
    std::erase_if(kept_, [&bytes](quint32 line) { return bytes.contains(line); });
    kept_ = table_.merged(kept_, table_.sorted(added));
    refind();
    emit goneCounted();
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
    const quint32 line = rows_[row];
    // The kept entries are in list order too; among equal lines, this very one goes.
    const auto [first, last] =
        std::equal_range(kept_.begin(), kept_.end(), line,
                         [this](quint32 a, quint32 b) { return table_.less(a, b); });
    if (const auto at = std::find(first, last, line); at != last) kept_.erase(at);
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void CurrentEntriesModel::clear() {
    slices_.stop();
    beginResetModel();
    kept_.clear();
    standsFor_.clear();
    rows_.clear();
    endResetModel();
}

void CurrentEntriesModel::setFind(const QString& text) {
    words_ = EntryTable::findWords(text);
    refind();
}

void CurrentEntriesModel::refind() {
    slices_.stop();
    findNext_ = 0;
    if (words_.empty()) {
        showFound();
        return;
    }
    holds_.assign(table_.size(), 0);
    slices_.start();
}

void CurrentEntriesModel::findSlice() {
    const quint32 to = std::min(table_.size(), findNext_ + kSliceLines);
    // Half of it on another core where there is one; each half marks lines of its own. A half
    // the pool has not started yet is run here by the wait.
    const quint32 half = QThread::idealThreadCount() > 1 ? (to - findNext_) / 2 : 0;
    QFuture<void> other;
    if (half > 0)
        other = QtConcurrent::run(
            [this, from = to - half, to] { table_.find(words_, from, to, holds_); });
    table_.find(words_, findNext_, to - half, holds_);
    other.waitForFinished();
    findNext_ = to;
    if (findNext_ < table_.size()) return;
    slices_.stop();
    showFound();
}

void CurrentEntriesModel::showFound() {
    beginResetModel();
    if (words_.empty()) {
        rows_ = kept_;
    } else {
        // Without a branch: most of a find's rows are hard to guess.
        rows_.resize(kept_.size());
        size_t shown = 0;
        for (const quint32 line : kept_) {
            rows_[shown] = line;
            shown += size_t(holds_[line] != 0);
        }
        rows_.resize(shown);
    }
    if (goneOnly_) std::erase_if(rows_, [this](quint32 line) { return !isGone(line); });
    endResetModel();
    emit found();
}

// The table gets back to its own lines after the rewrite, so a find going on holds.
Result<void> CurrentEntriesModel::writeBack(const EntryLog& log) {
    return table_.rewrite(log, kept_, standsFor_);
}

}  // namespace kivra
