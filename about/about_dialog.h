#pragma once

#include <QDialog>
#include <optional>

#include "about/sys_info.h"
#include "widgets/twips.h"

class QLabel;
class QPushButton;
class QWidget;

namespace kivra {

// The About window: icon, title, version, what the tool does, a disclaimer, and a button that
// starts the system-information tool. Lives for one showing; the caller owns it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(QWidget* owner, SysInfoServices services);

    // Esc and the close box end the window the way "OK" does.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void startSystemInfo();

private:
    void createControls();
    void placeControls();

    SysInfoServices services_;
    const TwipsScale scale_ = TwipsScale::forApplication();
    QLabel* iconLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* updatesLabel_ = nullptr;
    QLabel* disclaimerLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* sysInfoButton_ = nullptr;
};

}  // namespace kivra
