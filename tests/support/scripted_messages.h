#pragma once

#include <QList>

#include "platform/message_box.h"

namespace kivra::test {

// Answers every message box without showing it and records what was asked, for the lifetime of
// the object. Queued answers are used in order; after them, every box is answered `fallback`.
class ScriptedMessages {
public:
    explicit ScriptedMessages(int fallback = platform::kAnswerOk) : fallback_(fallback) {
        platform::SetMessageHandler([this](const platform::MessageRequest& request) {
            shown_.append(request);
            return answers_.isEmpty() ? fallback_ : answers_.takeFirst();
        });
    }
    ~ScriptedMessages() { platform::SetMessageHandler({}); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void queueAnswer(int answer) { answers_.append(answer); }
    const QList<platform::MessageRequest>& shown() const { return shown_; }

private:
    QList<int> answers_;
    QList<platform::MessageRequest> shown_;
    int fallback_;
};

}  // namespace kivra::test
