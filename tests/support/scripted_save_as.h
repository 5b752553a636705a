#pragma once

#include <QList>
#include <optional>

#include "widgets/save_as_dialog.h"

namespace kivra::test {

// Answers every Save As dialog without showing it: the queued paths in order, then cancels.
// Records what each dialog was asked to show.
class ScriptedSaveAs {
public:
    ScriptedSaveAs() {
        widgets::SetSaveAsHandler([this](const widgets::SaveAsRequest& request) {
            shown_.append(request);
            return answers_.isEmpty() ? std::nullopt : std::optional(answers_.takeFirst());
        });
    }
    ~ScriptedSaveAs() { widgets::SetSaveAsHandler({}); }
    Q_DISABLE_COPY(ScriptedSaveAs)

    void queueChoice(const QString& path) { answers_.append(path); }
    const QList<widgets::SaveAsRequest>& shown() const { return shown_; }

private:
    QList<QString> answers_;
    QList<widgets::SaveAsRequest> shown_;
};

}  // namespace kivra::test
