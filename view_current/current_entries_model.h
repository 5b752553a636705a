#pragma once

#include <QAbstractListModel>
#include <QFutureWatcher>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

#include "core/description_index.h"
#include "core/entry_table.h"
#include "core/shared_lines.h"
#include "core/untouched_zeros.h"

namespace kivra {

// The View Current list's items: a view over an entry table in list order, decoding only the rows
// on show. Filling sorts once instead of placing line by line, and "Delete Entry" only drops an
// index, so a log of a million lines opens faster than sorting it with sort(1). The entries kept
// (all but those deleted) and the rows shown (those of the kept that hold the find's words) are
// apart: a find hides entries, it never drops them from what "Return" writes.
//
// A large log is read and sorted by a worker, and every find runs in one; each gets the table as
// it stands and hands its result back through a future, which is swapped in here. The table is
// changed in place only while no worker reads it, else a copy of it is (see own()).
class CurrentEntriesModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CurrentEntriesModel(QObject* parent = nullptr);
    ~CurrentEntriesModel() override;

    // The whole line as in the log, where the row shows a long one cut short.
    static constexpr int LineRole = Qt::UserRole;
    // The description alone (see DescriptionStart); set, it replaces the description of the
    // entry, whose path part and " - " stay as they are, byte for byte.
    static constexpr int DescriptionRole = Qt::UserRole + 1;

    // The list view asks for every row's index at each layout: only the checks it needs.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override {
        return row >= 0 && column == 0 && !parent.isValid() && size_t(row) < rows().size()
                   ? createIndex(row, 0)
                   : QModelIndex();
    }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // An entry with " - " in it can be edited, its description only.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The mended entry stays in its row until the list is ordered again; "Return" writes it in
    // its place in the order.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The log's lines, each at its place in the sorted order: read here and now, or by a worker
    // that tells readProgress() as it goes and swaps them all in at the end (read() or
    // readFailed()).
    Result<void> readNow(const QString& logFile);
    void readLater(const QString& logFile);
    bool reading() const { return readPending_; }
    void removeItem(int row);
    void clear();

    // Shows only the entries that hold every word of `text`, case and accents ignored; all for
    // blank text. A worker looks, among the earlier hits where the words only grew; a key typed
    // meanwhile drops it for the next. The rows change when it is done.
    void setFind(const QString& text);
    bool finding() const { return findsPending_; }
    // Memory for the next find or edit, or the following bytes for the next key, is being made
    // ready (see spare_ and followers_).
    bool preparing() const { return spareComing_ || followersComing_ > 0; }
    // The find has no word to look for (blank, or only what folds to nothing): all are shown.
    bool findsAll() const { return words_.empty(); }
    int keptCount() const { return static_cast<int>(kept_->size()); }
    // The log line a row shows, and back; -1 where the list does not show it.
    quint32 lineAt(int row) const { return rows()[row]; }
    int rowOf(quint32 line) const;

    // Whether each entry's item is there is looked up off this thread once the entries are in;
    // until then the count is -1. Only gone entries shown is remembered by the window.
    int goneCount() const;
    void setGoneOnly(bool goneOnly);
    bool goneOnly() const { return goneOnly_; }
    // The gone entries among the rows, as the lines they are, with the row of each.
    std::vector<quint32> goneLines(const std::vector<int>& picked) const;
    QString lineText(quint32 line) const { return table_->text(line); }
    QByteArrayView lineBytes(quint32 line) const { return table_->line(line); }
    // The line with its item's path made `path` (native bytes), the rest byte for byte, CR LF
    // ended; empty for a line without a description.
    QByteArray withPath(quint32 line, QByteArrayView path) const;
    // Each line given its new bytes (a whole line, CR LF ended), written back in its place.
    void replaceLines(const QHash<quint32, QByteArray>& bytes);

    // "Return": the log as it stands now, in its own order, minus what was removed here and with
    // the edits in place of the lines they mend; under the log's lock.
    Result<void> writeBack(const EntryLog& log) const;
    // The same by a worker, for a large log: written() tells how it went.
    void writeBackLater(const EntryLog& log);
    // The size of the log read, in bytes.
    qsizetype logSize() const { return table_->bytes().size(); }

    // How many entries were looked up on disk so far; for tests.
    quint32 itemChecks() const { return checks_; }

signals:
    void readProgress(int done, int total);
    // The entries are in, or could not be read (nothing is then shown).
    void read();
    void readFailed(const QString& message);
    // The rows now show the find's result.
    void found();
    // goneCount() is known, or changed.
    void goneCounted();
    // The end of writeBackLater(): empty on success, else what went wrong.
    void written(const QString& failure);

private:
    void setEntries(std::shared_ptr<EntryTable> table, std::vector<quint32> sorted);
    // The find's words looked for again, `among` the earlier hits or among all kept.
    void startFind(bool among);
    // The rows reset to what the find shows; with `newHits`, the find's new hits taken first.
    void showFound(std::vector<quint32>* newHits = nullptr);
    // The table for a worker, which gives it back through giveBack(); the table it reads stays
    // as it is until then.
    std::shared_ptr<const EntryTable> lend();
    void giveBack(quint64 generation);
    EntryTable& own();
    // Looked up on disk the first time the row is drawn, never again in this window.
    ItemState stateOf(quint32 line) const;
    bool isGone(quint32 line) const;
    // The states of the lines from `first` on, looked up by a pool thread.
    void checkStates(quint32 first);
    // No path is longer than this, so a long line's rest cannot begin one.
    static constexpr qsizetype kLongestPath = 1 << 16;
    // Room for the lines edits add, left in memory made ready ahead.
    static constexpr size_t kEditRoom = 4096;
    using States = std::vector<quint8, UntouchedZeros<quint8>>;
    void takeStates(quint32 first, States states);
    bool lessLine(quint32 a, quint32 b) const { return table_->less(a, b); }

    std::shared_ptr<EntryTable> table_ = std::make_shared<EntryTable>();
    // Workers reading table_, and which table that is.
    int lent_ = 0;
    quint64 generation_ = 0;
    SharedLines kept_;
    // Each edited line to the line read from the log that it replaces.
    QHash<quint32, quint32> standsFor_;
    // The rows shown: kept_ or hits_ itself while they are the same, which saves copying up to a
    // million at every find key; else rows_.
    enum class Shown { Own, Kept, Hits };
    const std::vector<quint32>& rows() const {
        return shown_ == Shown::Kept ? *kept_ : shown_ == Shown::Hits ? *hits_ : rows_;
    }
    // Before kept_ or hits_ changes where the rows must not.
    void keepRowsApart();
    std::vector<quint32> rows_;
    // Memory already in use for up to a million lines: fresh pages cost more than the copy or
    // the find that fills them. spare_ is such memory, touched first by a worker: the one that
    // read the log, or one started once the spare is taken (prepareSpare). Hits and rows done
    // with go back to it (recycle).
    std::vector<quint32> copyOf(const std::vector<quint32>& lines);
    std::vector<quint32> takeSpare(size_t size);
    void recycle(std::vector<quint32>&& buffer);
    void prepareSpare();
    std::vector<quint32> spare_;
    bool spareComing_ = false;
    Shown shown_ = Shown::Own;
    std::vector<QByteArray> words_;
    // The kept lines that hold hitWords_, in list order: what the latest find found.
    SharedLines hits_;
    std::vector<QByteArray> hitWords_;
    // The byte after hitWords_ in each hit, made ready by a worker once a find is shown: the
    // next key that lengthens the word reads no line's bytes (EntryTable::followers).
    struct Followers {
        quint64 hits = 0;                                  // hits_.version() they were made for
        std::shared_ptr<const std::vector<quint8>> bytes;  // one for each of hits_
    };
    void prepareFollowers();
    Followers followers_;
    int followersComing_ = 0;
    bool findsPending_ = false;
    quint64 findNumber_ = 0;
    QFuture<void> finder_;
    struct Sorted {
        std::shared_ptr<EntryTable> table;
        std::vector<quint32> order;
        QString failure;
        std::vector<quint32> spare;
    };
    QFuture<Sorted> reading_;
    bool readPending_ = false;
    // By line; 0 until looked up, else the state plus one. Emptied by a new vector, never by
    // clear(): grown again in place, it would keep the old states.
    mutable States states_;
    mutable quint32 checks_ = 0;
    // goneCount() as last counted, -1 once the kept entries or their states change: every find
    // key shows it, and a million entries take a while to count.
    mutable int gone_ = -1;
    bool goneOnly_ = false;
    int checking_ = 0;
    // Set when the window goes: a look-up under way stops.
    std::shared_ptr<std::atomic<bool>> leaving_ = std::make_shared<std::atomic<bool>>(false);
    // Reads, finds and writes; the look-ups of the items. Never the global pool, which Qt's
    // painting shares: a look-up queued there would hold up the paint.
    QThreadPool workers_;
    QThreadPool lookups_;
};

}  // namespace kivra
