#pragma once

#include <QObject>

#include "core/entry_log.h"
#include "core/export_buffer.h"
#include "widgets/save_as_dialog.h"

class QWidget;

namespace kivra {

// Export: the log saved as plain text or RTF where the user says. The main window owns one for
// its lifetime.
class LogExport : public QObject {
    Q_OBJECT
public:
    // `window` is where the dialog and the warnings open.
    LogExport(const EntryLog& log, QWidget* window);

    void run();

private:
    const EntryLog& log_;
    QWidget* window_;
    ExportBuffer exportBuffer_;
};

}  // namespace kivra
