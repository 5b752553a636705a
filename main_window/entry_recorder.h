#pragma once

#include <QObject>

#include "core/entry_log.h"

class QWidget;

namespace kivra {

// An item's path as shown, and in the file system's own bytes, which its log line holds.
struct ItemPath {
    QString text;
    QByteArray native;
};

// Records the description typed for an item: its line in the log and, when asked for, the
// description as the item's own comment. The main window owns one; appended() tells the marks.
class EntryRecorder : public QObject {
    Q_OBJECT
public:
    // `window` is where failures are told.
    EntryRecorder(EntryLog& log, QWidget* window);

    // Whether descriptions are written into the items too; kept for the next run.
    bool writeNotes() const { return writeNotes_; }
    void setWriteNotes(bool on);

    // Appends the entry for `item`; a failure is told by refused(), line and all.
    bool record(const ItemPath& item, const QString& description);

    // The user asked whether to record the description of `item` before quitting; false when
    // the window is to stay: a cancel, or a failed append.
    bool recordBeforeQuitting(const ItemPath& item, const QString& description);

signals:
    // Lines just appended, in the log's format, and the log's stamp before them.
    void appended(const QByteArray& lines, const LogStamp& before);
    // An append failed: why, and the entry that was not saved.
    void refused(const QString& message);

private:
    // After the log's line: the description as the item's own comment. The first failure of a
    // session is told once the move is done.
    void writeNote(const ItemPath& item, const QString& text);

    EntryLog& log_;
    QWidget* window_;
    bool writeNotes_ = false;
    bool noteFailureTold_ = false;
};

}  // namespace kivra
