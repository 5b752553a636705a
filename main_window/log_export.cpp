#include "main_window/log_export.h"

#include "widgets/message_box.h"

namespace kivra {

LogExport::LogExport(const EntryLog& log, QWidget* window) : log_(log), window_(window) {}

void LogExport::run() {
    if (!widgets::WarnUnlessLogExists(window_, log_)) return;
    // Loaded before the dialog opens, so a cancel still leaves the buffer holding the log.
    if (const Result<void> loaded = exportBuffer_.load(log_.logPath()); !loaded) {
        widgets::ShowWarning(window_, loaded.failure().message);
        return;
    }
    saveAsDialog_.title = tr("Save As");
    saveAsDialog_.filter = tr("Plain Text (*.txt)") + QStringLiteral("|*.TXT|") +
                           tr("Rich Text (*.rtf)") + QStringLiteral("|*.RTF");
    saveAsDialog_.fileName = QStringLiteral("INDEX");
    // The proposed name, which has no extension, is written as RTF: the filter says so.
    saveAsDialog_.filterIndex = 1;
    // The dialog's own answer tells a cancel; a chosen path need not hold ":\".
    if (!saveAsDialog_.exec(window_)) return;

    const QString& name = saveAsDialog_.fileName;
    const auto type = ExportBuffer::typeFor(
        name, saveAsDialog_.filterIndex == 0 ? ExportBuffer::Text : ExportBuffer::Rtf);
    if (const Result<void> saved = exportBuffer_.save(name, type); !saved)
        widgets::ShowWarning(window_, saved.failure().message);
}

}  // namespace kivra
