#include "widgets/message_box.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/app_info.h"

namespace kivra::widgets {

namespace {

int showReal(const MessageRequest& request) {
    QMessageBox box(request.parent);
    box.setWindowTitle(QString::fromLatin1(app::kTitle));
    box.setText(request.text);
    // A description that could not be saved can then be copied instead of typed again.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    const int buttons = request.style & 0x0F;
    const int icon = request.style & 0xF0;
    if (icon == MsgStyle::Exclamation) box.setIcon(QMessageBox::Warning);
    if (buttons == MsgStyle::YesNo || buttons == MsgStyle::YesNoCancel) {
        const bool cancel = buttons == MsgStyle::YesNoCancel;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No |
                               (cancel ? QMessageBox::Cancel : QMessageBox::NoButton));
        const bool noFirst = (request.style & 0xF00) == MsgStyle::DefaultButton2;
        box.setDefaultButton(noFirst ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(cancel ? QMessageBox::Cancel : QMessageBox::No);
        if (!request.yes.isEmpty()) box.button(QMessageBox::Yes)->setText(request.yes);
        if (!request.no.isEmpty()) box.button(QMessageBox::No)->setText(request.no);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return kAnswerYes;
    if (answer == QMessageBox::No) return kAnswerNo;
    if (answer == QMessageBox::Cancel) return kAnswerCancel;
    return kAnswerOk;
}

}  // namespace

int ShowMessage(QWidget* parent, const QString& text, int style) {
    return ShowMessage(MessageRequest{parent, text, style, {}, {}});
}

int ShowMessage(const MessageRequest& request) {
    return DialogSeam<int, MessageRequest>::show(request, showReal);
}

void SetMessageHandler(MessageHandler handler) {
    DialogSeam<int, MessageRequest>::setHandler(std::move(handler));
}

}  // namespace kivra::widgets
