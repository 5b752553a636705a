#pragma once

#include <QFrame>

class QLabel;

namespace kivra {

// A refusal of the log that would come back at every move, said once inside the main window and
// kept there until it is mended: why, with the command that mends it where there is one, and a
// Retry. The text can be selected, so the command can be copied.
class RefusalBar : public QFrame {
    Q_OBJECT
public:
    explicit RefusalBar(QWidget* parent);

    // Shows the bar with `message`, or replaces the message shown.
    void tell(const QString& message);

signals:
    void retried();

private:
    QLabel* text_;
};

}  // namespace kivra
