#pragma once

#include <QList>

#include "widgets/message_box.h"

namespace kivra::test {

// Answers every message box without showing it and records what was asked, for the lifetime of
// the object. Every box is answered `answer`; given `otherwise`, a box without that button is
// answered `otherwise`.
class ScriptedMessages {
public:
    explicit ScriptedMessages(QMessageBox::StandardButton answer = QMessageBox::Ok,
                              QMessageBox::StandardButton otherwise = QMessageBox::NoButton)
        : answer_(answer), otherwise_(otherwise) {
        widgets::SetMessageHandler([this](const widgets::MessageRequest& request) {
            shown_.append(request);
            const bool has = request.buttons.testFlag(answer_);
            return has || otherwise_ == QMessageBox::NoButton ? answer_ : otherwise_;
        });
    }
    ~ScriptedMessages() { widgets::SetMessageHandler({}); }
    Q_DISABLE_COPY(ScriptedMessages)

    const QList<widgets::MessageRequest>& shown() const { return shown_; }

private:
    QList<widgets::MessageRequest> shown_;
    QMessageBox::StandardButton answer_;
    QMessageBox::StandardButton otherwise_;
};

}  // namespace kivra::test
