#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "core/note_import.h"
#include "widgets/dialog_seam.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kivra {

// What each picked file gives and what is left out, for the question before an import.
QString ImportSummary(const ImportPlan& plan);

struct ImportPreviewRequest {
    QWidget* parent = nullptr;
    ImportPlan plan;
    // The plan again with each file in the code page chosen for it.
    std::function<ImportPlan(const CodePages&)> replan;
};

// Shows the import's preview; the plan to import as last shown, or nullopt on Cancel.
std::optional<ImportPlan> ShowImportPreview(const ImportPreviewRequest& request);

// Tests answer the preview ahead of time. An empty handler restores the real dialog.
using ImportPreviewHandler =
    widgets::DialogSeam<std::optional<ImportPlan>, ImportPreviewRequest>::Handler;
void SetImportPreviewHandler(ImportPreviewHandler handler);

// The preview: per picked file its code page, a list to change it and the first entries as they
// will be written, read again at once on a change. Enter cancels; Import is never the default.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportPreviewDialog(const ImportPreviewRequest& request);

    const ImportPlan& plan() const { return plan_; }

private:
    void showPlan();
    void showFile();
    void choose();

    std::function<ImportPlan(const CodePages&)> replan_;
    ImportPlan plan_;
    CodePages chosen_;
    QList<qsizetype> read_;  // the files listed, by index in the plan
    QLabel* summary_;
    QComboBox* files_;
    QComboBox* codePage_;
    QLabel* how_;
    QPlainTextEdit* entries_;
    QPushButton* import_;
};

}  // namespace kivra
