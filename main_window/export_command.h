#pragma once

#include "core/export_buffer.h"
#include "widgets/save_as_dialog.h"

class QWidget;

namespace kivra {

class EntryLog;

// The main window's "Export (Save Info)" command. The main window keeps one for its lifetime;
// it owns the export buffer and the Save As dialog, so both keep their state between exports.
class ExportCommand {
public:
    ExportCommand(QWidget* owner, const EntryLog& log);
    ~ExportCommand();
    ExportCommand(const ExportCommand&) = delete;
    ExportCommand& operator=(const ExportCommand&) = delete;

    void run();

    const ExportBuffer& rtfData() const { return rtfData_; }

private:
    QWidget* owner_;
    const EntryLog& log_;
    ExportBuffer rtfData_;
    widgets::SaveAsDialog dlgDialog_;
};

}  // namespace kivra
