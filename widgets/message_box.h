#pragma once

#include <QString>

#include "widgets/dialog_seam.h"

class QWidget;

namespace kivra::widgets {

// Styles as the program uses them: buttons plus icon, added together.
namespace MsgStyle {
inline constexpr int Ok = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Exclamation = 48;
// With YesNo: No is the default, for a question whose Yes cannot be taken back easily.
inline constexpr int DefaultButton2 = 256;
}  // namespace MsgStyle

// Answers.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

struct MessageRequest {
    QWidget* parent = nullptr;
    QString text;
    int style = MsgStyle::Ok;
    // Captions in place of "Yes" and "No"; empty keeps them.
    QString yes, no;
};

// Shows a modal message box captioned with the application title; returns the answer. With
// YesNo and YesNoCancel, Yes is the default button unless DefaultButton2 is added; Escape answers
// No, or Cancel where there is one.
int ShowMessage(QWidget* parent, const QString& text, int style);
int ShowMessage(const MessageRequest& request);

// Tests answer message boxes ahead of time instead of blocking on them. An empty handler
// restores the real message box.
using MessageHandler = DialogSeam<int, MessageRequest>::Handler;
void SetMessageHandler(MessageHandler handler);

}  // namespace kivra::widgets
