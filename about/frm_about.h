#pragma once

#include <QDialog>
#include <optional>

#include "about/sys_info.h"
#include "widgets/twips.h"

class QLabel;
class QPushButton;
class QWidget;

namespace kivra {

// The main window's "About" command: shows the About window modally, owned by `owner`.
void ShowAbout(QWidget* owner);

// The About window: icon, title, version, what the tool does, a disclaimer, and a button that
// starts the system-information tool. Lives for one showing; the caller owns it.
class frmAbout : public QDialog {
public:
    frmAbout(QWidget* owner, SysInfoServices services);

    // Esc and the close box end the window the way "OK" does.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void placeControls();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SysInfoServices services_;
    const TwipsScale scale_ = TwipsScale::Application();
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};

}  // namespace kivra
