#include "support/scripted_save_as.h"

namespace kivra::test {

ScriptedSaveAs::ScriptedSaveAs() {
    platform::SetSaveAsHandler([this](const platform::SaveAsRequest& request) {
        shown_.append(request);
        return answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
    });
}

ScriptedSaveAs::~ScriptedSaveAs() { platform::SetSaveAsHandler({}); }

}  // namespace kivra::test
