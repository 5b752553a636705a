#include "main_window/entry_recorder.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <utility>

#include "platform/origin_attributes.h"
#include "widgets/message_box.h"
#include "widgets/settings.h"

namespace kivra {

namespace {

constexpr QLatin1StringView kWriteNotesKey("writeNotesIntoFiles");

}  // namespace

EntryRecorder::EntryRecorder(EntryLog& log, QWidget* window) : log_(log), window_(window) {
    if (platform::kFileComments)
        writeNotes_ = widgets::UserSettings().value(kWriteNotesKey, false).toBool();
}

void EntryRecorder::setWriteNotes(bool on) {
    writeNotes_ = on;
    widgets::UserSettings().setValue(kWriteNotesKey, on);
}

bool EntryRecorder::record(const ItemPath& item, const QString& description) {
    const QString rest = QStringLiteral(" - ") + description;
    const LogStamp before = LogStamp::of(log_.logPath());
    const Result<void> result = log_.appendEntry(item.native, rest);
    if (result) {
        QByteArray line;
        EncodeLogLine(item.native, rest, line);
        emit appended(line, before);
        if (writeNotes_ && !item.native.isEmpty()) writeNote(item, description);
        return true;
    }
    emit refused(
        tr("%1\n\nThis entry was not saved:\n%2").arg(result.failure().message, item.text + rest));
    return false;
}

bool EntryRecorder::recordBeforeQuitting(const ItemPath& item, const QString& description) {
    const auto answer = widgets::ShowMessage(
        {.parent = window_,
         .text = tr("Record the description of %1 before quitting?").arg(item.text),
         .buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
         .captions = {{QMessageBox::Save, tr("&Record")}, {QMessageBox::Discard, tr("&Discard")}}});
    return answer != QMessageBox::Cancel &&
           (answer != QMessageBox::Save || record(item, description));
}

void EntryRecorder::writeNote(const ItemPath& item, const QString& text) {
    const Result<void> written = platform::WriteFileComment(item.native, text.toUtf8());
    // An item gone meanwhile has its line; its note has nowhere to go.
    if (written || !QFileInfo::exists(item.text) || std::exchange(noteFailureTold_, true)) return;
    const QString reason = written.failure().reason;
    // Said once the move is done: the move never waits on the box.
    QTimer::singleShot(0, window_, [this, path = item.text, reason] {
        widgets::ShowWarning(
            window_, tr("The description of %1 is in the log, but it could not be written into "
                        "the item itself: %2\n\nLater failures to write a note into a file are "
                        "not told again until the program starts anew.")
                         .arg(path, reason));
    });
}

}  // namespace kivra
