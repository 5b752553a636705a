#include <QtConcurrentMap>
#include <QtConcurrentRun>
#include <algorithm>

#include "core/entry_item.h"
#include "core/log_lines.h"
#include "platform/thread_priority.h"
#include "view_current/current_entries_model.h"

// Whether each entry's item is still there: looked up by workers for every line once the entries
// are in, and line by line for a row drawn before that; the count of the gone, and the rows of
// the gone alone.

namespace kivra {

ItemState CurrentEntriesModel::stateOf(quint32 line) const {
    if (states_.size() < table_->size()) states_.resize(table_->size());
    if (states_[line] == 0) {
        ++checks_;
        const QByteArrayView bytes = table_->line(line);
        const QString text = DecodeLogLine(bytes.first(std::min(bytes.size(), kLongestPath)));
        states_[line] = quint8(int(StateOfEntry(text)) + 1);
    }
    return ItemState(states_[line] - 1);
}

void CurrentEntriesModel::checkStates(quint32 first) {
    ++checking_;
    auto* watcher = new QFutureWatcher<States>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, first, generation = generation_] {
                giveBack(generation);
                takeStates(first, watcher->future().takeResult());
                watcher->deleteLater();
            });
    watcher->setFuture(QtConcurrent::run(&lookups_, [this, table = lend(), first,
                                                     leaving = leaving_] {
        // Untouched room for the lines edits add.
        States states;
        states.reserve(table->size() - first + kEditRoom);
        states.resize(table->size() - first);
        // Mostly waiting on the disk: more parts than cores.
        constexpr quint32 kPart = 4096;
        std::vector<quint32> parts;
        for (quint32 at = first; at < table->size(); at += kPart) parts.push_back(at);
        QtConcurrent::blockingMap(&lookups_, parts, [&](quint32 at) {
            platform::LowerThreadPriority();
            FolderMemo memo;  // a part's own: entries of a folder tend to come together
            for (quint32 i = at; i < std::min(at + kPart, table->size()) && !*leaving; ++i) {
                const QByteArrayView line = table->line(i);
                const QString text = DecodeLogLine(line.first(std::min(line.size(), kLongestPath)));
                states[i - first] = quint8(int(StateOfEntry(text, &memo)) + 1);
            }
        });
        return states;
    }));
}

void CurrentEntriesModel::takeStates(quint32 first, States states) {
    --checking_;
    gone_ = -1;
    if (first == 0 && states.size() == table_->size()) {
        // The worker's pages are in memory already; a line looked up here meanwhile stands.
        for (size_t i = 0; i < states_.size(); ++i)
            if (states_[i] != 0) states[i] = states_[i];
        states_ = std::move(states);
    } else {
        if (states_.size() < table_->size()) states_.resize(table_->size());
        for (size_t i = 0; i < states.size() && first + i < states_.size(); ++i)
            if (states_[first + i] == 0) states_[first + i] = states[i];
    }
    if (goneOnly_ && !findsPending_) showFound();
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
    if (gone_ >= 0) return gone_;
    if (states_.size() < table_->size()) states_.resize(table_->size());
    // A byte a line read as it stands: this runs after every change, on a million lines too; in
    // the lines' order where every line is kept, as they lie in memory.
    const auto goneAt = [this](quint32 line) {
        const ItemState state = states_[line] ? ItemState(states_[line] - 1) : stateOf(line);
        return int(state == ItemState::Gone || state == ItemState::FolderGone);
    };
    int gone = 0;
    if (kept_->size() == table_->size()) {
        for (quint32 line = 0; line < table_->size(); ++line) gone += goneAt(line);
    } else {
        for (const quint32 line : *kept_) gone += goneAt(line);
    }
    return gone_ = gone;
}

void CurrentEntriesModel::setGoneOnly(bool goneOnly) {
    goneOnly_ = goneOnly;
    if (!findsPending_) showFound();
}

std::vector<quint32> CurrentEntriesModel::goneLines(const std::vector<int>& picked) const {
    std::vector<quint32> lines;
    const std::vector<quint32>& shown = rows();
    for (const int row : picked)
        if (row >= 0 && size_t(row) < shown.size() && isGone(shown[row]))
            lines.push_back(shown[row]);
    return lines;
}

}  // namespace kivra
