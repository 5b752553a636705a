#pragma once

#include <QMap>
#include <QMessageBox>
#include <QString>

#include "widgets/dialog_seam.h"

class QWidget;

namespace kivra {
class EntryLog;
}

namespace kivra::widgets {

struct MessageRequest {
    QWidget* parent = nullptr;
    QString text = {};
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // Enter's answer; NoButton leaves it to Yes or Save where there is one. No is the default of a
    // question whose Yes cannot be taken back easily.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    // The words a question needs on its standard buttons ("&Record" on Save); the rest keep Qt's.
    QMap<QMessageBox::StandardButton, QString> captions = {};
};

// Shows a modal message box captioned with the application title and returns the button pressed.
// Escape answers Cancel where there is one, else No.
QMessageBox::StandardButton ShowMessage(const MessageRequest& request);
// How every failure is told: the text, a warning icon and OK.
void ShowWarning(QWidget* parent, const QString& text);
// True when the log is there to be shown; else false, after a warning that says why.
bool WarnUnlessLogExists(QWidget* parent, const EntryLog& log);

// Tests answer message boxes ahead of time instead of blocking on them. An empty handler
// restores the real message box.
using MessageHandler = DialogSeam<QMessageBox::StandardButton, MessageRequest>::Handler;
void SetMessageHandler(MessageHandler handler);

}  // namespace kivra::widgets
