#include "widgets/message_box.h"

#include <QMessageBox>

#include "core/app_info.h"

namespace kivra::widgets {

namespace {

MessageHandler& handlerSlot() {
    static MessageHandler handler;
    return handler;
}

int showReal(const MessageRequest& request) {
    QMessageBox box(request.parent);
    box.setWindowTitle(QString::fromLatin1(app::kTitle));
    box.setText(request.text);
    // A description that could not be saved can then be copied instead of typed again.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    const int buttons = request.style & 0x0F;
    const int icon = request.style & 0xF0;
    if (icon == MsgStyle::Exclamation) box.setIcon(QMessageBox::Warning);
    if (buttons == MsgStyle::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        const bool noFirst = (request.style & 0xF00) == MsgStyle::DefaultButton2;
        box.setDefaultButton(noFirst ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return kAnswerYes;
    if (answer == QMessageBox::No) return kAnswerNo;
    return kAnswerOk;
}

}  // namespace

int ShowMessage(QWidget* parent, const QString& text, int style) {
    const MessageRequest request{parent, text, style};
    if (const MessageHandler& handler = handlerSlot()) return handler(request);
    return showReal(request);
}

void SetMessageHandler(MessageHandler handler) { handlerSlot() = std::move(handler); }

}  // namespace kivra::widgets
