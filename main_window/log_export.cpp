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
    const std::optional<widgets::SaveAsChoice> chosen = widgets::ShowSaveAs(
        {.parent = window_,
         .title = tr("Save As"),
         .filters = {tr("Plain Text (*.txt)"), tr("Rich Text (*.rtf)")},
         .patterns = {QStringLiteral("*.TXT"), QStringLiteral("*.RTF")},
         .fileName = QStringLiteral("INDEX"),
         // The proposed name, which has no extension, is written as RTF: the filter says so.
         .selectedFilter = 1});
    // The dialog's own answer tells a cancel; a chosen path need not hold ":\".
    if (!chosen) return;

    const auto type = ExportBuffer::typeFor(
        chosen->path, chosen->filter == 0 ? ExportBuffer::Text : ExportBuffer::Rtf);
    if (const Result<void> saved = exportBuffer_.save(chosen->path, type); !saved)
        widgets::ShowWarning(window_, saved.failure().message);
}

}  // namespace kivra
