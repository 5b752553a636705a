#pragma once

#include <QList>

#include "platform/message_box.h"

namespace kivra::test {

// Answers every message box without showing it and records what was asked, for the lifetime of
// the object. Every box is answered `answer`.
class ScriptedMessages {
public:
    explicit ScriptedMessages(int answer = platform::kAnswerOk) : answer_(answer) {
        platform::SetMessageHandler([this](const platform::MessageRequest& request) {
            shown_.append(request);
            return answer_;
        });
    }
    ~ScriptedMessages() { platform::SetMessageHandler({}); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    const QList<platform::MessageRequest>& shown() const { return shown_; }

private:
    QList<platform::MessageRequest> shown_;
    int answer_;
};

}  // namespace kivra::test
