#include <QFuture>
#include <QPromise>
#include <QThreadPool>
#include <QtConcurrentRun>
#include <algorithm>
#include <iterator>

#include "core/byte_scan.h"
#include "view_current/current_entries_model.h"

// Finding among the View Current entries: the words looked for by workers, among the earlier
// hits where a find narrows the last, and the rows that show what was found.

namespace kivra {

namespace {

// Lines a find looks through between two looks at whether it is still wanted.
constexpr quint32 kSliceLines = 1 << 16;

// The lines among `lines` (in list order) that hold `words`, in the same order: earlier hits
// whose following bytes are known (`follower`, one for each of `lines`, for a word `added`
// lengthens) by those bytes; a few earlier hits looked at one by one; else all lines at once
// through the table's bytes. Half on a second thread, into the room of `found`. Stopped short
// when cancelled.
std::vector<quint32> findAmong(const EntryTable& table, const std::vector<QByteArray>& words,
                               const std::vector<quint32>& lines, bool among,
                               const std::vector<quint8>* follower, char added, QThreadPool* pool,
                               const QPromise<void>& promise, std::vector<quint32> found) {
    found.clear();
    // Line by line costs several times the bytes' scan a line: only for a few earlier hits, or
    // for hits whose following byte tells. Many of them in two halves, each written from its own
    // start in the room (no fresh pages), the second's then moved down after the first's.
    if (follower || (among && lines.size() < table.size() / 8)) {
        found.resize(lines.size());
        const auto keep = [&](size_t from, size_t to) {
            quint32* const start = found.data() + from;
            quint32* out = start;
            for (size_t at = from; at < to && !promise.isCanceled(); at += kSliceLines) {
                const size_t end = std::min<size_t>(to, at + kSliceLines);
                if (!follower) {
                    out = table.holdsAmong(words, lines.data() + at, end - at, out);
                    continue;
                }
                for (size_t k = at; k < end; ++k) {
                    const quint8 next = (*follower)[k];
                    *out = lines[k];
                    out += next == quint8(added) || (next == 0 && table.holds(words, lines[k]));
                }
            }
            return size_t(out - start);
        };
        constexpr size_t kOneThread = 4096;
        const size_t half = lines.size() < kOneThread ? lines.size() : lines.size() / 2;
        size_t second = 0;
        QFuture<void> other;
        if (half < lines.size())
            other = QtConcurrent::run(pool, [&] { second = keep(half, lines.size()); });
        const size_t first = keep(0, half);
        other.waitForFinished();
        std::copy(found.begin() + half, found.begin() + half + second, found.begin() + first);
        found.resize(first + second);
        return found;
    }
    std::vector<char> holds(table.size(), 0);
    const auto look = [&](quint32 from, quint32 to) {
        for (quint32 at = from; at < to && !promise.isCanceled(); at += kSliceLines)
            table.find(words, at, std::min(to, at + kSliceLines), holds);
    };
    // Each half marks lines of its own; one the pool has not started is run by the wait.
    const quint32 half = table.size() / 2;
    QFuture<void> other =
        QtConcurrent::run(pool, [&look, half, &table] { look(half, table.size()); });
    look(0, half);
    other.waitForFinished();
    if (promise.isCanceled()) return found;
    // Pages of the room not filled are never touched.
    found.reserve(lines.size());
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(found),
                 [&holds](quint32 line) { return holds[line] != 0; });
    return found;
}

}  // namespace

void CurrentEntriesModel::setFind(const QString& text) {
    words_ = EntryTable::findWords(text);
    startFind(!hitWords_.empty() && EntryTable::narrows(hitWords_, words_));
}

void CurrentEntriesModel::startFind(bool among) {
    finder_.cancel();
    const quint64 number = ++findNumber_;
    findsPending_ = false;
    if (words_.empty() || readPending_) {
        if (!readPending_) showFound();
        return;
    }
    findsPending_ = true;
    // A word one letter longer, typed at the end: the earlier hits' following bytes tell.
    const bool followed = among && followers_.bytes && followers_.hits == hits_.version();
    const char added = followed ? EntryTable::addedByte(hitWords_, words_) : 0;
    // The hits come back as an event to this model, which waits for its workers before it goes.
    finder_ = QtConcurrent::run(
        &workers_,
        [this, number, generation = generation_, table = lend(), words = words_,
         lines = among ? hits_.lend() : kept_.lend(), among, added,
         follower = added != 0 ? followers_.bytes : nullptr,
         room = takeSpare(among ? hits_->size() : kept_->size())](QPromise<void>& promise) mutable {
            std::vector<quint32> hits = findAmong(*table, words, *lines, among, follower.get(),
                                                  added, &workers_, promise, std::move(room));
            follower.reset();
            lines.reset();
            table.reset();
            QMetaObject::invokeMethod(
                this,
                [this, number, generation, words = std::move(words), hits = std::move(hits),
                 canceled = promise.isCanceled()]() mutable {
                    giveBack(generation);
                    // Dropped, the hits' memory still serves.
                    if (number == findNumber_ && !canceled) {
                        findsPending_ = false;
                        hitWords_ = std::move(words);
                        showFound(&hits);
                    }
                    recycle(std::move(hits));
                    // Not before: it would take a core from the find.
                    prepareSpare();
                    if (number == findNumber_ && !canceled) prepareFollowers();
                },
                Qt::QueuedConnection);
        });
}

void CurrentEntriesModel::prepareFollowers() {
    followers_ = {};
    if (hitWords_.size() != 1 || !IsAscii(hitWords_.front())) return;
    ++followersComing_;
    workers_.start([this, generation = generation_, version = hits_.version(), table = lend(),
                    word = hitWords_.front(), hits = hits_.lend()]() mutable {
        std::vector<quint8> bytes = table->followers(word, *hits);
        table.reset();
        // Kept where few earlier hits would have their own bytes asked: else the next key's
        // scan through all lines' bytes is quicker.
        const auto unknown = size_t(std::count(bytes.begin(), bytes.end(), quint8(0)));
        const bool worth = unknown <= hits->size() / 8;
        hits.reset();
        QMetaObject::invokeMethod(
            this,
            [this, generation, version,
             bytes = worth ? std::make_shared<const std::vector<quint8>>(std::move(bytes))
                           : nullptr]() mutable {
                giveBack(generation);
                --followersComing_;
                // The hits change with every new find, edit or log read: their version says all.
                if (bytes && version == hits_.version()) followers_ = {version, std::move(bytes)};
            },
            Qt::QueuedConnection);
    });
}

void CurrentEntriesModel::showFound(std::vector<quint32>* newHits) {
    beginResetModel();
    if (newHits) recycle(hits_.reset(std::move(*newHits)));
    recycle(std::move(rows_));
    rows_.clear();
    if (goneOnly_) {
        shown_ = Shown::Own;
        rows_ = copyOf(words_.empty() ? *kept_ : *hits_);
        std::erase_if(rows_, [this](quint32 line) { return !isGone(line); });
    } else {
        shown_ = words_.empty() ? Shown::Kept : Shown::Hits;
    }
    endResetModel();
    emit found();
}

}  // namespace kivra
