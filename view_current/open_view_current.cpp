#include "view_current/open_view_current.h"

#include <QCoreApplication>

#include "core/entry_log.h"
#include "core/entry_table.h"
#include "view_current/frm_show_current.h"
#include "widgets/message_box.h"

namespace kivra {

std::unique_ptr<frmShowCurrent> CreateViewCurrent(QWidget* owner, const EntryLog& log) {
    if (!log.LogExists()) {
        const QString notAFile = log.NotAFileMessage();
        widgets::ShowMessage(owner,
                             notAFile.isEmpty() ? QCoreApplication::translate(
                                                      "frmMain", "Currently no entries exist")
                                                : notAFile,
                             widgets::MsgStyle::Exclamation);
        return nullptr;
    }
    // Half a log must not be listed: "Return" would overwrite the file with it.
    EntryTable table;
    if (const LogResult read = table.load(log.LogPath()); !read) {
        widgets::ShowMessage(owner, read.error, widgets::MsgStyle::Exclamation);
        return nullptr;
    }
    auto form = std::make_unique<frmShowCurrent>(owner, log);
    form->addEntries(std::move(table));
    return form;
}

QString OpenViewCurrent(QWidget* owner, const EntryLog& log) {
    const std::unique_ptr<frmShowCurrent> form = CreateViewCurrent(owner, log);
    if (!form) return {};
    form->exec();
    return form->chosenEntry();
}

}  // namespace kivra
