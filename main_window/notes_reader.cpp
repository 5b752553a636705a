#include "main_window/notes_reader.h"

#include <QtConcurrentRun>
#include <utility>

#include "platform/thread_priority.h"

namespace kivra {

NotesReader::NotesReader(const EntryLog& log) : log_(log) {}

NotesReader::~NotesReader() {
    // A read fills an index only it holds; it is let finish, never cut off.
    if (reader_) reader_->waitForFinished();
}

void NotesReader::read() {
    if (reader_) {
        stale_ = true;
        return;
    }
    stale_ = false;
    reader_ = new QFutureWatcher<Read>(this);
    connect(reader_, &QFutureWatcherBase::finished, this, &NotesReader::adopt);
    reader_->setFuture(QtConcurrent::run(&pool_, [path = log_.logPath()] {
        platform::LowerThreadPriority();
        Read read{std::make_shared<DescriptionIndex>(), LogStamp::of(path)};
        // A log that cannot be read leaves no marks; View Current and Export tell why.
        if (!read.notes->load(path)) *read.notes = DescriptionIndex();
        return read;
    }));
}

void NotesReader::adopt() {
    QFutureWatcher<Read>* reader = std::exchange(reader_, nullptr);
    reader->deleteLater();
    const Read done = reader->result();
    notes_ = done.notes;
    stamp_ = done.stamp;
    emit changed();
    // Asked for again, or lines appended, while it ran: read again if the log changed since it
    // began. Any other change waits for the next move.
    if (std::exchange(stale_, false) && LogStamp::of(log_.logPath()) != stamp_) read();
}

void NotesReader::readIfChanged() {
    // A read that runs is asked again: it reads once more after, when the log changed since.
    if (reader_ || stale_ || LogStamp::of(log_.logPath()) != stamp_) read();
}

void NotesReader::follow() {
    if (!started()) return;  // the first read is not asked for yet
    readIfChanged();
}

void NotesReader::noteAppended(const QByteArray& lines, const LogStamp& before) {
    // Unless another copy changed the log since it was read.
    if (notes_ && !reader_ && before == stamp_) {
        notes_->addBytes(lines);
        stamp_ = LogStamp::of(log_.logPath());
        emit changed();
    } else {
        stale_ = true;
        follow();
    }
}

}  // namespace kivra
