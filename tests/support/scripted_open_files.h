#pragma once

#include <QList>

#include "widgets/open_files_dialog.h"

namespace kivra::test {

// Answers every Open dialog without showing it: the queued choices in order, then cancels.
class ScriptedOpenFiles {
public:
    ScriptedOpenFiles() {
        widgets::SetOpenFilesHandler([this](const widgets::OpenFilesRequest& request) {
            requests_.append(request);
            return answers_.isEmpty() ? QStringList() : answers_.takeFirst();
        });
    }
    ~ScriptedOpenFiles() { widgets::SetOpenFilesHandler({}); }
    Q_DISABLE_COPY(ScriptedOpenFiles)

    void queueChoice(const QStringList& paths) { answers_.append(paths); }
    const QList<widgets::OpenFilesRequest>& requests() const { return requests_; }

private:
    QList<QStringList> answers_;
    QList<widgets::OpenFilesRequest> requests_;
};

}  // namespace kivra::test
