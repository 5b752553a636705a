#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;
class QWidget;

namespace kivra {

// The main window's "Help" command (F1): shows the Help window modally, owned by `owner`.
void ShowHelp(QWidget* owner);

// The Help window: the text the manual page is made from, as Qt renders Markdown, in the
// desktop's font and colours. Lives for one showing; the caller owns it.
class frmHelp : public QDialog {
public:
    explicit frmHelp(QWidget* owner);

private:
    QTextBrowser* txtHelp = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace kivra
