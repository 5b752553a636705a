#include "main_window/export_command.h"

#include <QCoreApplication>

#include "core/entry_log.h"
#include "widgets/message_box.h"

namespace kivra {

namespace {
QString tr(const char* text) { return QCoreApplication::translate("ExportCommand", text); }
}  // namespace

ExportCommand::ExportCommand(QWidget* owner, const EntryLog& log) : owner_(owner), log_(log) {}

ExportCommand::~ExportCommand() = default;

void ExportCommand::run() {
    if (!log_.LogExists()) {
        const QString notAFile = log_.NotAFileMessage();
        widgets::ShowMessage(owner_,
                              notAFile.isEmpty() ? tr("Currently no entries exist") : notAFile,
                              widgets::MsgStyle::Exclamation);
        return;
    }
    // Loaded before the dialog opens, so a cancel still leaves the buffer holding the log.
    if (const LogResult loaded = rtfData_.LoadFile(log_.LogPath()); !loaded) {
        widgets::ShowMessage(owner_, loaded.error, widgets::MsgStyle::Exclamation);
        return;
    }
    dlgDialog_.Filter = QStringLiteral("Plain Text (*.txt)|*.TXT|Rich Text (*.rtf)|*.RTF");
    dlgDialog_.FileName = QStringLiteral("INDEX");
    // The dialog's own answer tells a cancel; a chosen path need not hold ":\".
    if (!dlgDialog_.ShowSave(owner_)) return;

    const QString& name = dlgDialog_.FileName;
    const auto type = name.toUpper().endsWith(QLatin1StringView("TXT")) ? ExportBuffer::Text
                                                                         : ExportBuffer::Rtf;
    if (const LogResult saved = rtfData_.SaveFile(name, type); !saved)
        widgets::ShowMessage(owner_, saved.error, widgets::MsgStyle::Exclamation);
}

}  // namespace kivra
