#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <memory>

#include "core/description_index.h"
#include "core/entry_log.h"

namespace kivra {

// The marks' source: the log read into an index off the user-interface thread, and kept in step
// with it. The main window owns one and shows its index in the lists at every changed().
class NotesReader : public QObject {
    Q_OBJECT
public:
    explicit NotesReader(const EntryLog& log);
    ~NotesReader() override;

    // The index last adopted; null until the first read ends.
    const std::shared_ptr<DescriptionIndex>& notes() const { return notes_; }
    // Whether a read was ever asked for.
    bool started() const { return notes_ != nullptr || reader_ != nullptr; }
    // Whether the log has been read and no read runs; for tests.
    bool ready() const { return notes_ != nullptr && !reader_; }

    // Reads the log in the background; the lists keep the old marks meanwhile. Asked while a
    // read runs, it reads again after it if the log changed in between.
    void read();
    // The log read again when the marks may miss a change of it (a stat tells).
    void readIfChanged();
    // At every move: as readIfChanged(), once the first read was asked for.
    void follow();
    // Lines just appended, in the log's format: added to the marks at once when the marks held
    // the whole log `before`, else the log read again.
    void noteAppended(const QByteArray& lines, const LogStamp& before);

signals:
    void changed();

private:
    // What a read gives: the index and the log's stamp as it began.
    struct Read {
        std::shared_ptr<DescriptionIndex> notes;
        LogStamp stamp;
    };

    void adopt();

    const EntryLog& log_;
    std::shared_ptr<DescriptionIndex> notes_;
    LogStamp stamp_;
    // The marks may miss a change of the log: lines they could not take, or a read asked for
    // while one ran.
    bool stale_ = false;
    // Set from a read's start until its marks are adopted, which is after the read itself
    // ends: one watcher per read.
    QFutureWatcher<Read>* reader_ = nullptr;
    // The reads' thread, at low priority.
    QThreadPool pool_;
};

}  // namespace kivra
