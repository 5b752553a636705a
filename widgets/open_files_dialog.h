#pragma once

#include <QString>
#include <QStringList>

#include "widgets/dialog_seam.h"

class QWidget;

namespace kivra::widgets {

// What an Open dialog for several files is asked to show.
struct OpenFilesRequest {
    QWidget* parent = nullptr;
    QString title;
    QString directory;    // where it opens
    QStringList filters;  // "Notes (descript.ion files.bbs *.txt)", ... as the user sees them
};

// Shows the modal dialog; the paths chosen, or none on a cancel. Hidden files are listed, as
// description files often are.
QStringList ShowOpenFiles(const OpenFilesRequest& request);

// Tests answer Open dialogs ahead of time. An empty handler restores the real dialog.
using OpenFilesHandler = DialogSeam<QStringList, OpenFilesRequest>::Handler;
void SetOpenFilesHandler(OpenFilesHandler handler);

}  // namespace kivra::widgets
