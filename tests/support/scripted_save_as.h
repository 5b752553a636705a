#pragma once

#include <QList>
#include <optional>

#include "widgets/save_as_dialog.h"

namespace kivra::test {

// Answers every Save As dialog without showing it: the queued paths in order, each with the
// filter given or else the one the dialog opened with, then cancels. Records what each dialog was
// asked to show.
class ScriptedSaveAs {
public:
    ScriptedSaveAs() {
        widgets::SetSaveAsHandler([this](const widgets::SaveAsRequest& request) {
            shown_.append(request);
            if (answers_.isEmpty()) return std::optional<widgets::SaveAsChoice>();
            widgets::SaveAsChoice choice = answers_.takeFirst();
            if (choice.filter < 0) choice.filter = request.selectedFilter;
            return std::optional(choice);
        });
    }
    ~ScriptedSaveAs() { widgets::SetSaveAsHandler({}); }
    Q_DISABLE_COPY(ScriptedSaveAs)

    void queueChoice(const QString& path, int filter = -1) { answers_.append({path, filter}); }
    const QList<widgets::SaveAsRequest>& shown() const { return shown_; }

private:
    QList<widgets::SaveAsChoice> answers_;
    QList<widgets::SaveAsRequest> shown_;
};

}  // namespace kivra::test
