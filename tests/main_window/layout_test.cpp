#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "about/frm_about.h"
#include "main_window/frm_main.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"
#include "view_current/frm_show_current.h"
#include "widgets/twips.h"

namespace kivra {
namespace {

// Whatever the desktop's font, every window scales its layout so no caption is cut.
TEST(Layout, EveryLabelAndButtonHoldsItsTextAtEveryFont) {
    const auto registry = platform::MakeSystemRegistry();
    const auto launcher = platform::MakeProgramLauncher();
    test::TempLogDir logDir;
    for (const char* family : {"Liberation Sans", "DejaVu Sans", "DejaVu Serif"})
        for (const int points : {8, 14}) {
            QApplication::setFont(QFont(QString::fromLatin1(family), points));
            frmMain main(logDir.log());
            frmShowCurrent current(nullptr, logDir.log());
            current.lblCount()->setText("999,999 of 1,000,000");
            EXPECT_LE(current.txtFind()->geometry().right(), current.lblCount()->x());
            EXPECT_LT(current.lblCount()->geometry().right(), current.cmdClearAll()->x());
            frmAbout about(nullptr, SysInfoServices{*registry, *launcher,
                                                    [](const QString&) { return false; }});
            for (const QWidget* window :
                 std::initializer_list<const QWidget*>{&main, &current, &about}) {
                for (const QLabel* label : window->findChildren<QLabel*>()) {
                    const QSize room = label->contentsRect().size();
                    const bool fits = label->wordWrap()
                                          ? label->heightForWidth(label->width()) <= label->height()
                                          : label->sizeHint().boundedTo(room) == label->sizeHint();
                    EXPECT_TRUE(fits)
                        << family << " " << points << " pt: " << label->objectName().toStdString();
                }
                for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                    EXPECT_EQ(button->sizeHint().boundedTo(button->size()), button->sizeHint())
                        << family << " " << points << " pt: " << button->objectName().toStdString();
            }
        }
    QApplication::setFont(LayoutFont());
}

}  // namespace
}  // namespace kivra
