#include "view_current/current_entries_model.h"

#include <QFont>
#include <QFuture>
#include <QPromise>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrentRun>
#include <algorithm>

#include "core/entry_item.h"
#include "core/log_lines.h"

namespace kivra {

namespace {

constexpr QByteArrayView kDash(" - ");

// Room for `size` lines, its pages touched: filled later, it costs no page faults.
std::vector<quint32> touchedRoom(size_t size) {
    std::vector<quint32> room(size);
    room.clear();
    return room;
}

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

}  // namespace

CurrentEntriesModel::CurrentEntriesModel(QObject* parent) : QAbstractListModel(parent) {
    workers_.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
    // No more than the cores, each lowered below the window's thread: with a warm cache the
    // look-ups keep them busy, and would otherwise take the window's own thread its turn.
    lookups_.setMaxThreadCount(QThread::idealThreadCount());
}

CurrentEntriesModel::~CurrentEntriesModel() {
    *leaving_ = true;
    reading_.cancel();
    finder_.cancel();
    workers_.waitForDone();
    lookups_.waitForDone();
}

int CurrentEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows().size());
}

QVariant CurrentEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows().size()) return {};
    const quint32 line = rows()[index.row()];
    if (role == Qt::DisplayRole || role == Qt::EditRole) return table_->shown(line);
    if (role == LineRole) return table_->text(line);
    if (role == DescriptionRole) {
        const QString text = table_->text(line);
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
    if (!index.isValid() || size_t(index.row()) >= rows().size()) return flags;
    const QByteArrayView bytes = table_->line(rows()[index.row()]);
    if (bytes.first(std::min(bytes.size(), kLongestPath)).contains(kDash))
        flags |= Qt::ItemIsEditable;
    return flags;
}

std::shared_ptr<const EntryTable> CurrentEntriesModel::lend() {
    ++lent_;
    return table_;
}

void CurrentEntriesModel::giveBack(quint64 generation) {
    if (generation == generation_) --lent_;
}

EntryTable& CurrentEntriesModel::own() {
    if (lent_ > 0) {
        table_ = std::make_shared<EntryTable>(*table_);
        ++generation_;
        lent_ = 0;
    }
    return *table_;
}

// Removes `line` from the kept lines or the hits, both in list order; among equal lines, this
// very one.
static void eraseLine(std::vector<quint32>& lines, quint32 line, const EntryTable& table) {
    const auto [first, last] =
        std::equal_range(lines.begin(), lines.end(), line,
                         [&table](quint32 a, quint32 b) { return table.less(a, b); });
    if (const auto at = std::find(first, last, line); at != last) lines.erase(at);
}

static void insertLine(std::vector<quint32>& lines, quint32 line, const EntryTable& table) {
    lines.insert(std::upper_bound(lines.begin(), lines.end(), line,
                                  [&table](quint32 a, quint32 b) { return table.less(a, b); }),
                 line);
}

bool CurrentEntriesModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != DescriptionRole || !index.isValid() || size_t(index.row()) >= rows().size())
        return false;
    const quint32 old = rows()[index.row()];
    const QString text = table_->text(old);
    const qsizetype start = DescriptionStart(text);
    const QString description = OneLine(value.toString());
    if (start < 0 || text.mid(start) == description) return false;
    QByteArray bytes =
        table_->line(old).first(bytesBefore(text, start, table_->line(old))).toByteArray();
    EncodeLogLine(description, bytes);
    EntryTable& table = own();
    table.appendBytes(bytes);
    const quint32 line = table.size() - 1;
    keepRowsApart();
    gone_ = -1;
    eraseLine(kept_.edit(), old, table);
    // Written back where the line it mends stood in the log.
    standsFor_.insert(line, standsFor_.value(old, old));
    standsFor_.remove(old);
    insertLine(kept_.edit(), line, table);
    // The next find that narrows looks at the new line too.
    eraseLine(hits_.edit(), old, table);
    if (!hitWords_.empty() && table.holds(hitWords_, line)) insertLine(hits_.edit(), line, table);
    rows_[index.row()] = line;
    if (findsPending_) startFind(false);
    emit dataChanged(index, index);
    return true;
}

Result<void> CurrentEntriesModel::readNow(const QString& logFile) {
    auto table = std::make_shared<EntryTable>();
    if (const Result<void> read = table->load(logFile); !read) return read;
    std::vector<quint32> order = table->sorted(table->all());
    setEntries(std::move(table), std::move(order));
    return {};
}

void CurrentEntriesModel::readLater(const QString& logFile) {
    readPending_ = true;
    auto* watcher = new QFutureWatcher<Sorted>(this);
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this, watcher](int done) { emit readProgress(done, watcher->progressMaximum()); });
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        readPending_ = false;
        if (watcher->future().resultCount() == 0) return;
        Sorted sorted = watcher->future().takeResult();
        if (!sorted.failure.isEmpty()) {
            emit readFailed(sorted.failure);
            return;
        }
        recycle(std::move(sorted.spare));
        setEntries(std::move(sorted.table), std::move(sorted.order));
        emit read();
    });
    reading_ = QtConcurrent::run(&workers_, [logFile](QPromise<Sorted>& promise) {
        auto table = std::make_shared<EntryTable>();
        const Result<void> read = table->load(logFile, [&promise](quint32 done, quint32 total) {
            promise.setProgressRange(0, int(total));
            promise.setProgressValue(int(done));
            return !promise.isCanceled();
        });
        if (promise.isCanceled()) return;
        if (!read) {
            promise.addResult(Sorted{{}, {}, read.failure().message, {}});
            return;
        }
        std::vector<quint32> order = table->sorted(table->all());
        // Made here, before the rows show: later, it would take a core from their first paint.
        std::vector<quint32> spare = touchedRoom(order.size() + kEditRoom);
        promise.addResult(Sorted{std::move(table), std::move(order), {}, std::move(spare)});
    });
    watcher->setFuture(reading_);
}

void CurrentEntriesModel::setEntries(std::shared_ptr<EntryTable> table,
                                     std::vector<quint32> sorted) {
    table_ = std::move(table);
    ++generation_;
    lent_ = 0;
    keepRowsApart();
    gone_ = -1;
    kept_.reset(std::move(sorted));
    standsFor_.clear();
    states_ = {};
    hits_.reset();
    hitWords_.clear();
    // First: until it is done, the count asks the disk about no line here.
    checkStates(0);
    startFind(false);
}

QByteArray CurrentEntriesModel::withPath(quint32 line, QByteArrayView path) const {
    const QString text = table_->text(line);
    const qsizetype start = DescriptionStart(text);
    if (start < 0) return {};
    const QByteArrayView bytes = table_->line(line);
    QByteArray out = path.toByteArray().replace('\r', '?').replace('\n', '?');
    out += bytes.sliced(bytesBefore(text, start, bytes) - kDash.size());
    out += "\r\n";
    return out;
}

void CurrentEntriesModel::replaceLines(const QHash<quint32, QByteArray>& bytes) {
    std::vector<quint32> added;
    EntryTable& table = own();
    for (auto it = bytes.begin(); it != bytes.end(); ++it) {
        table.appendBytes(it.value());
        const quint32 line = table.size() - 1;
        standsFor_.insert(line, standsFor_.value(it.key(), it.key()));
        standsFor_.remove(it.key());
        added.push_back(line);
    }
    keepRowsApart();
    gone_ = -1;
    std::erase_if(kept_.edit(), [&bytes](quint32 line) { return bytes.contains(line); });
    recycle(kept_.reset(table.merged(*kept_, table.sorted(added))));
    hitWords_.clear();
    startFind(false);
    emit goneCounted();
}

int CurrentEntriesModel::rowOf(quint32 line) const {
    const auto [first, last] =
        std::equal_range(rows().begin(), rows().end(), line,
                         [this](quint32 a, quint32 b) { return lessLine(a, b); });
    const auto at = std::find(first, last, line);
    return at == last ? -1 : int(at - rows().begin());
}

void CurrentEntriesModel::keepRowsApart() {
    if (shown_ == Shown::Own) return;
    recycle(std::move(rows_));
    rows_ = copyOf(rows());
    shown_ = Shown::Own;
}

std::vector<quint32> CurrentEntriesModel::copyOf(const std::vector<quint32>& lines) {
    std::vector<quint32> copy = takeSpare(lines.size());
    copy.assign(lines.begin(), lines.end());
    prepareSpare();
    return copy;
}

std::vector<quint32> CurrentEntriesModel::takeSpare(size_t size) {
    std::vector<quint32> taken;
    if (spare_.capacity() >= size) taken.swap(spare_);
    return taken;
}

void CurrentEntriesModel::recycle(std::vector<quint32>&& buffer) {
    if (buffer.capacity() <= spare_.capacity()) return;
    spare_.swap(buffer);
    spare_.clear();
}

void CurrentEntriesModel::prepareSpare() {
    if (spareComing_ || spare_.capacity() >= kept_->size()) return;
    spareComing_ = true;
    workers_.start([this, size = kept_->size() + kEditRoom] {
        QMetaObject::invokeMethod(
            this,
            [this, spare = touchedRoom(size)]() mutable {
                spareComing_ = false;
                recycle(std::move(spare));
            },
            Qt::QueuedConnection);
    });
}

void CurrentEntriesModel::removeItem(int row) {
    if (row < 0 || size_t(row) >= rows().size()) return;
    const quint32 line = rows()[row];
    gone_ = -1;
    beginRemoveRows({}, row, row);
    if (shown_ != Shown::Kept) eraseLine(kept_.edit(), line, *table_);
    if (shown_ != Shown::Hits) eraseLine(hits_.edit(), line, *table_);
    if (shown_ == Shown::Kept) kept_.edit().erase(kept_->begin() + row);
    if (shown_ == Shown::Hits) hits_.edit().erase(hits_->begin() + row);
    if (shown_ == Shown::Own) rows_.erase(rows_.begin() + row);
    endRemoveRows();
    // A find under way looked among it: again without it.
    if (findsPending_) startFind(false);
}

void CurrentEntriesModel::clear() {
    finder_.cancel();
    ++findNumber_;
    findsPending_ = false;
    beginResetModel();
    kept_.reset();
    gone_ = -1;
    hits_.reset();
    standsFor_.clear();
    rows_.clear();
    shown_ = Shown::Own;
    endResetModel();
}

Result<void> CurrentEntriesModel::writeBack(const EntryLog& log) const {
    return log.locked([this, &log] { return table_->rewrite(log, *kept_, standsFor_); });
}

void CurrentEntriesModel::writeBackLater(const EntryLog& log) {
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, generation = generation_] {
                watcher->deleteLater();
                giveBack(generation);
                emit written(watcher->result());
            });
    watcher->setFuture(QtConcurrent::run(
        &workers_, [table = lend(), log, kept = kept_.lend(), standsFor = standsFor_]() -> QString {
            const Result<void> written =
                log.locked([&] { return table->rewrite(log, *kept, standsFor); });
            return written ? QString() : written.failure().message;
        }));
}

}  // namespace kivra
