#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include "about/frm_about.h"
#include "main_window/frm_main.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"
#include "view_current/frm_show_current.h"
#include "widgets/fixed_window.h"
#include "widgets/twips.h"

namespace kivra {
namespace {

// Whatever the desktop's font, every window scales its layout so no caption is cut; on a screen
// too small for it the font shrinks, never below the layout's own at scale 1, and the main window,
// the largest, is placed wholly on the screen where it fits.
TEST(Layout, EveryLabelAndButtonHoldsItsTextAndTheWindowsFitTheScreen) {
    const auto registry = platform::MakeSystemRegistry();
    const auto launcher = platform::MakeProgramLauncher();
    test::TempLogDir logDir;
    const QSize anyScreen(100'000, 100'000);
    const struct {
        const char* family;
        int points;
        QSize screen;
    } rows[] = {
        {"Liberation Sans", 8, anyScreen},
        {"Liberation Sans", 14, anyScreen},
        {"DejaVu Sans", 8, anyScreen},
        {"DejaVu Sans", 14, anyScreen},
        {"DejaVu Serif", 8, anyScreen},
        {"DejaVu Serif", 14, anyScreen},
        // 1280 x 1024 at scale 1.5, less a panel.
        {"DejaVu Sans", 12, QSize(853, 660)},
        // Too small even at the layout's own size.
        {"DejaVu Sans", 12, QSize(480, 360)},
    };
    for (const auto& row : rows) {
        const std::string name = QString("%1 %2 pt on %3x%4")
                                     .arg(row.family)
                                     .arg(row.points)
                                     .arg(row.screen.width())
                                     .arg(row.screen.height())
                                     .toStdString();
        QApplication::setFont(widgets::FitFont(QFont(QString::fromLatin1(row.family), row.points),
                                               row.screen, &frmMain::SizeFor));
        frmMain main(logDir.log());
        frmShowCurrent current(nullptr, logDir.log());
        frmAbout about(nullptr,
                       SysInfoServices{*registry, *launcher, [](const QString&) { return false; }});
        for (const QWidget* window :
             std::initializer_list<const QWidget*>{&main, &current, &about}) {
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                const QSize room = label->contentsRect().size();
                const bool fits = label->wordWrap()
                                      ? label->heightForWidth(label->width()) <= label->height()
                                      : label->sizeHint().boundedTo(room) == label->sizeHint();
                EXPECT_TRUE(fits) << name << ": " << label->objectName().toStdString();
            }
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                EXPECT_EQ(button->sizeHint().boundedTo(button->size()), button->sizeHint())
                    << name << ": " << button->objectName().toStdString();
        }
        const TwipsScale scale = TwipsScale::Application();
        EXPECT_GE(scale.x(), 1.0) << name;
        EXPECT_GE(scale.y(), 1.0) << name;
        const QRect screen(QPoint(100, 50), row.screen);
        const QRect frame(widgets::CentredOn(screen, main.size()),
                          main.size() + widgets::kFrameAllowance);
        const bool atDesignSize = scale.x() == 1.0 && scale.y() == 1.0;
        EXPECT_TRUE(screen.contains(frame) || (atDesignSize && frame.topLeft() == screen.topLeft()))
            << name;
    }
    QApplication::setFont(LayoutFont());
}

}  // namespace
}  // namespace kivra
