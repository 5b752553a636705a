#include "support/scripted_messages.h"

namespace kivra::test {

ScriptedMessages::ScriptedMessages(int fallback) : fallback_(fallback) {
    platform::SetMessageHandler([this](const platform::MessageRequest& request) {
        shown_.append(request);
        return answers_.isEmpty() ? fallback_ : answers_.takeFirst();
    });
}

ScriptedMessages::~ScriptedMessages() { platform::SetMessageHandler({}); }

}  // namespace kivra::test
