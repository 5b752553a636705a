#pragma once

#include <QList>

#include "widgets/message_box.h"

namespace kivra::test {

// Answers every message box without showing it and records what was asked, for the lifetime of
// the object. Queued answers are used in order; after them, every box is answered `fallback`.
class ScriptedMessages {
public:
    explicit ScriptedMessages(int fallback = widgets::kAnswerOk) : fallback_(fallback) {
        widgets::SetMessageHandler([this](const widgets::MessageRequest& request) {
            shown_.append(request);
            return answers_.isEmpty() ? fallback_ : answers_.takeFirst();
        });
    }
    ~ScriptedMessages() { widgets::SetMessageHandler({}); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void queueAnswer(int answer) { answers_.append(answer); }
    const QList<widgets::MessageRequest>& shown() const { return shown_; }

private:
    QList<int> answers_;
    QList<widgets::MessageRequest> shown_;
    int fallback_;
};

}  // namespace kivra::test
