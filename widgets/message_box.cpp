#include "widgets/message_box.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include "core/app_info.h"
#include "core/entry_log.h"

namespace kivra::widgets {

namespace {

using Seam = DialogSeam<QMessageBox::StandardButton, MessageRequest>;

QMessageBox::StandardButton showReal(const MessageRequest& request) {
    QMessageBox box(request.icon, QString::fromLatin1(app::kTitle), request.text, request.buttons,
                    request.parent);
    // A description that could not be saved can then be copied instead of typed again.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Names and descriptions in it show as typed, markup or not.
    box.setTextFormat(Qt::PlainText);
    if (request.buttons & (QMessageBox::Yes | QMessageBox::Save)) {
        QMessageBox::StandardButton enter = request.defaultButton;
        if (enter == QMessageBox::NoButton)
            enter = (request.buttons & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Save;
        box.setDefaultButton(enter);
        box.setEscapeButton((request.buttons & QMessageBox::Cancel) ? QMessageBox::Cancel
                                                                    : QMessageBox::No);
    }
    for (auto caption = request.captions.cbegin(); caption != request.captions.cend(); ++caption)
        if (QAbstractButton* button = box.button(caption.key())) button->setText(caption.value());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

QMessageBox::StandardButton ShowMessage(const MessageRequest& request) {
    return Seam::show(request, showReal);
}

void ShowWarning(QWidget* parent, const QString& text) {
    ShowMessage({.parent = parent, .text = text, .icon = QMessageBox::Warning});
}

bool WarnUnlessLogExists(QWidget* parent, const EntryLog& log) {
    if (log.logExists()) return true;
    const Result<void> usable = log.usable();
    ShowWarning(parent,
                usable ? QCoreApplication::translate("MessageBox", "Currently no entries exist")
                       : usable.failure().message);
    return false;
}

void SetMessageHandler(MessageHandler handler) { Seam::setHandler(std::move(handler)); }

}  // namespace kivra::widgets
