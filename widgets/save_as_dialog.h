#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "widgets/dialog_seam.h"

class QWidget;

namespace kivra::widgets {

// What a Save As dialog is asked to show.
struct SaveAsRequest {
    QWidget* parent = nullptr;
    QString title = {};
    QStringList filters = {};   // "Plain Text (*.txt)", ... as the user sees them
    QStringList patterns = {};  // "*.TXT", ... one per filter; "*.A;*.B" for several
    QString fileName = {};      // the proposed name
    int selectedFilter = 0;     // the filter selected as the dialog opens
};

// What the user chose: the full path in native separators, and the filter selected at that
// moment.
struct SaveAsChoice {
    QString path;
    int filter = 0;
};

// Shows the modal Save As dialog; nullopt on a cancel. The dialog asks before an existing file is
// replaced.
std::optional<SaveAsChoice> ShowSaveAs(const SaveAsRequest& request);

// Tests answer Save As dialogs ahead of time: a choice, or nullopt for a cancel. An empty handler
// restores the real dialog.
using SaveAsHandler = DialogSeam<std::optional<SaveAsChoice>, SaveAsRequest>::Handler;
void SetSaveAsHandler(SaveAsHandler handler);

// "*.TXT" as a pattern that matches any letter case: "*.[tT][xX][tT]".
QString CaseInsensitivePattern(const QString& pattern);

// A name filter shown as `shown` ("Plain Text (*.txt)") that matches `patterns` in any letter
// case: they follow as a last group, which the dialogs hide.
QString CaseBlindNameFilter(const QString& shown, const QStringList& patterns);

}  // namespace kivra::widgets
