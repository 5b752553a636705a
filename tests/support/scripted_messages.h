#pragma once

#include <QList>

#include "widgets/message_box.h"

namespace kivra::test {

// Answers every message box without showing it and records what was asked, for the lifetime of
// the object. Every box is answered `answer`.
class ScriptedMessages {
public:
    explicit ScriptedMessages(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : answer_(answer) {
        widgets::SetMessageHandler([this](const widgets::MessageRequest& request) {
            shown_.append(request);
            return answer_;
        });
    }
    ~ScriptedMessages() { widgets::SetMessageHandler({}); }
    Q_DISABLE_COPY(ScriptedMessages)

    const QList<widgets::MessageRequest>& shown() const { return shown_; }

private:
    QList<widgets::MessageRequest> shown_;
    QMessageBox::StandardButton answer_;
};

}  // namespace kivra::test
