#include "main_window/import_command.h"

#include <QCoreApplication>

#include "core/entry_log.h"
#include "core/note_import.h"
#include "widgets/message_box.h"
#include "widgets/open_files_dialog.h"

namespace kivra {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("ImportCommand", text); }

// So the box fits on the screen however many files were picked.
constexpr qsizetype kListedFiles = 15;

// A log that is not there yet holds nothing.
LogResult readLog(const EntryLog& log, QStringList& lines) {
    lines.clear();
    if (!log.LogExists()) {
        const QString notAFile = log.NotAFileMessage();
        return notAFile.isEmpty() ? LogResult{} : LogResult::failure(notAFile);
    }
    ReadResult read = log.ReadEntries();
    if (!read.ok) return LogResult::failure(read.error);
    lines = std::move(read.lines);
    return {};
}

QString summary(const ImportPlan& plan) {
    QStringList text;
    for (qsizetype i = 0; i < plan.files.size() && i < kListedFiles; ++i) {
        const ImportFile& file = plan.files[i];
        const QString head = tr("%1 (%2)").arg(file.path, ImportFormatName(file.format));
        if (!file.skipped.isEmpty())
            text.append(tr("%1: skipped, %2").arg(head, file.skipped));
        else if (file.entries.isEmpty())
            text.append(tr("%1: no new entries").arg(head));
        else
            text.append(tr("%1: %2 new, the first:\n    %3")
                            .arg(head, QString::number(file.entries.size()), file.entries.first()));
    }
    if (plan.files.size() > kListedFiles)
        text.append(tr("and %1 more files").arg(plan.files.size() - kListedFiles));
    if (plan.alreadyInLog > 0)
        text.append(tr("%1 entries are already in the log.").arg(plan.alreadyInLog));
    if (plan.repeated > 0) text.append(tr("%1 entries repeat one before them.").arg(plan.repeated));
    return text.join(u'\n');
}

}  // namespace

ImportOutcome RunImport(QWidget* owner, const EntryLog& log, const QString& directory) {
    const QStringList picked = widgets::ShowOpenFiles(
        {owner,
         tr("Import"),
         directory,
         {tr("Notes (KVtemp.dat descript.ion files.bbs *.txt)"), tr("All Files (*)")}});
    if (picked.isEmpty()) return {};

    QStringList logLines;
    if (const LogResult read = readLog(log, logLines); !read) {
        widgets::ShowMessage(owner, read.error, widgets::MsgStyle::Exclamation);
        return {};
    }
    const ImportPlan plan = PlanImport(picked, logLines, log.LogPath());
    logLines.clear();
    const QStringList entries = plan.entries();
    if (entries.isEmpty()) {
        widgets::ShowMessage(owner, summary(plan) + tr("\n\nThere is nothing new to import."),
                             widgets::MsgStyle::Ok);
        return {};
    }
    const QString question = tr("Import %1 entries?").arg(entries.size());
    if (widgets::ShowMessage(owner, summary(plan) + QStringLiteral("\n\n") + question,
                             widgets::MsgStyle::YesNo | widgets::MsgStyle::DefaultButton2) !=
        widgets::kAnswerYes)
        return {};

    // Another copy may have written while the box was open: decided again under the lock.
    ImportOutcome outcome;
    const LogResult written = log.Locked([&]() -> LogResult {
        if (const LogResult read = readLog(log, logLines); !read) return read;
        outcome.added = NewEntries(entries, logLines);
        outcome.before = LogStamp::of(log.LogPath());
        return outcome.added.isEmpty() ? LogResult{} : log.AppendEntries(outcome.added);
    });
    if (!written) {
        widgets::ShowMessage(owner, written.error + tr("\n\nNothing was imported."),
                             widgets::MsgStyle::Exclamation);
        return {};
    }
    return outcome;
}

}  // namespace kivra
