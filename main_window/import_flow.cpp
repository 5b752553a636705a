#include "main_window/import_flow.h"

#include <QMessageBox>
#include <utility>

#include "main_window/import_preview.h"
#include "widgets/message_box.h"
#include "widgets/open_files_dialog.h"

namespace kivra {

namespace {

// A log that is not there yet holds nothing.
Result<void> readLog(const EntryLog& log, QStringList& lines) {
    lines.clear();
    if (!log.logExists()) return log.usable();
    Result<QStringList> read = log.readEntries();
    if (!read) return read.failure();
    lines = std::move(*read);
    return {};
}

}  // namespace

ImportFlow::ImportFlow(EntryLog& log, QWidget* window) : log_(log), window_(window) {}

void ImportFlow::run(const QString& folder) {
    const QStringList picked = widgets::ShowOpenFiles(
        {window_,
         tr("Import"),
         folder,
         {tr("Notes (*.dat descript.ion files.bbs *.txt)"), tr("All Files (*)")}});
    if (picked.isEmpty()) return;

    QStringList logLines;
    if (const Result<void> read = readLog(log_, logLines); !read) {
        widgets::ShowWarning(window_, read.failure().message);
        return;
    }
    const ImportPlan plan = PlanImport(picked, logLines, log_.logPath());
    if (plan.entries().isEmpty()) {
        widgets::ShowMessage(
            {.parent = window_,
             .text = ImportSummary(plan) + tr("\n\nThere is nothing new to import.")});
        return;
    }
    const std::optional<ImportPlan> confirmed =
        ShowImportPreview({window_, plan, [&](const CodePages& chosen) {
                               return PlanImport(picked, logLines, log_.logPath(), chosen);
                           }});
    logLines.clear();
    if (!confirmed) return;
    const QStringList entries = confirmed->entries();
    if (entries.isEmpty()) return;

    // Another copy may have written while the box was open: decided again under the lock.
    QStringList added;
    LogStamp before;
    const Result<void> written = log_.locked([&]() -> Result<void> {
        if (const Result<void> read = readLog(log_, logLines); !read) return read;
        added = NewEntries(entries, logLines);
        before = LogStamp::of(log_.logPath());
        return added.isEmpty() ? Result<void>{} : log_.appendEntries(added);
    });
    if (!written) {
        widgets::ShowWarning(window_, written.failure().message + tr("\n\nNothing was imported."));
        return;
    }
    if (added.isEmpty()) return;
    QByteArray lines;
    for (const QString& line : std::as_const(added)) EncodeLogLine(line, lines);
    emit appended(lines, before);
}

}  // namespace kivra
