#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;
class QWidget;

namespace kivra {

// The Help window: the text the manual page is made from, as Qt renders Markdown, in the
// desktop's font and colours. Lives for one showing; the caller owns it.
class HelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit HelpDialog(QWidget* owner);

private:
    QTextBrowser* helpText_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

}  // namespace kivra
