#pragma once

#include <QObject>

#include "core/entry_log.h"
#include "core/note_import.h"

class QWidget;

namespace kivra {

// Import: notes kept elsewhere picked, weighed against the log, previewed and appended. The
// main window owns one; appended() tells the marks.
class ImportFlow : public QObject {
    Q_OBJECT
public:
    // `window` is where the dialog and the questions open.
    ImportFlow(EntryLog& log, QWidget* window);

    // The files are picked starting in `folder`.
    void run(const QString& folder);

signals:
    // Lines just appended, in the log's format, and the log's stamp before them.
    void appended(const QByteArray& lines, const LogStamp& before);

private:
    EntryLog& log_;
    QWidget* window_;
};

}  // namespace kivra
