#pragma once

#include <QList>

#include "widgets/open_files_dialog.h"

namespace kivra::test {

// Answers every Open dialog without showing it: the queued choices in order, then cancels.
class ScriptedOpenFiles {
public:
    ScriptedOpenFiles() {
        widgets::SetOpenFilesHandler([this](const widgets::OpenFilesRequest&) {
            return answers_.isEmpty() ? QStringList() : answers_.takeFirst();
        });
    }
    ~ScriptedOpenFiles() { widgets::SetOpenFilesHandler({}); }
    Q_DISABLE_COPY(ScriptedOpenFiles)

    void queueChoice(const QStringList& paths) { answers_.append(paths); }

private:
    QList<QStringList> answers_;
};

}  // namespace kivra::test
