#include "main_window/import_flow.h"

#include <QMessageBox>
#include <utility>

#include "widgets/message_box.h"
#include "widgets/open_files_dialog.h"

namespace kivra {

namespace {

// So the import's box fits on the screen however many files were picked.
constexpr qsizetype kListedFiles = 15;

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

QString ImportFlow::summary(const ImportPlan& plan) {
    QStringList text;
    for (qsizetype i = 0; i < plan.files.size() && i < kListedFiles; ++i) {
        const ImportFile& file = plan.files[i];
        //: An imported file and its format: "/home/ann/DESCRIPT.ION (DESCRIPT.ION)".
        const QString head = tr("%1 (%2)").arg(file.path, ImportFormatName(file.format));
        if (!file.skipped.isEmpty())
            text.append(tr("%1: skipped, %2").arg(head, file.skipped));
        else if (file.entries.isEmpty())
            text.append(tr("%1: no new entries").arg(head));
        else
            text.append(tr("%1: %n new, the first:\n    %2", nullptr, int(file.entries.size()))
                            .arg(head, file.entries.first()));
    }
    if (plan.files.size() > kListedFiles)
        text.append(tr("and %n more files", nullptr, int(plan.files.size() - kListedFiles)));
    if (plan.alreadyInLog > 0)
        text.append(tr("%n entries are already in the log.", nullptr, int(plan.alreadyInLog)));
    if (plan.repeated > 0)
        text.append(tr("%n entries repeat one before them.", nullptr, int(plan.repeated)));
    return text.join(u'\n');
}

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
    logLines.clear();
    const QStringList entries = plan.entries();
    if (entries.isEmpty()) {
        widgets::ShowMessage(
            {.parent = window_, .text = summary(plan) + tr("\n\nThere is nothing new to import.")});
        return;
    }
    const QString question = tr("Import %n entries?", nullptr, int(entries.size()));
    if (widgets::ShowMessage({.parent = window_,
                              .text = summary(plan) + QStringLiteral("\n\n") + question,
                              .buttons = QMessageBox::Yes | QMessageBox::No,
                              .defaultButton = QMessageBox::No}) != QMessageBox::Yes)
        return;

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
