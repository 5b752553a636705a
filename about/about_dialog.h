#pragma once

#include <QDialog>
#include <optional>

#include "widgets/twips.h"

class QDialogButtonBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace kivra {

// The About window: icon, title, version, what the tool does, a disclaimer, and a button that
// starts the system-information tool. Lives for one showing; the caller owns it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* owner);

    // Esc and the close box end the window the way "OK" does.
    void reject() override;

private slots:
    void startSystemInfo();

private:
    void createControls();
    void placeControls();

    const TwipsScale scale_ = TwipsScale::forApplication();
    QLabel* iconLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* updatesLabel_ = nullptr;
    QLabel* disclaimerLabel_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QFrame* separator_ = nullptr;
    QPushButton* sysInfoButton_ = nullptr;
};

}  // namespace kivra
