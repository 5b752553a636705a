#include <gtest/gtest.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <array>

#include "about/about_dialog.h"
#include "main_window/main_window.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"
#include "view_current/view_current_dialog.h"
#include "widgets/fixed_window.h"
#include "widgets/twips.h"

namespace kivra {
namespace {

// The three windows as the program makes them.
struct Windows {
    explicit Windows(const EntryLog& log) : main(log), current(&main, log), about(&main) {}
    std::array<QWidget*, 3> all() { return {&main, &current, &about}; }

    MainWindow main;
    ViewCurrentDialog current;
    AboutDialog about;
};

// Whatever the desktop's font, every window scales its layout so no caption is cut; on a screen
// too small for it the font shrinks, never below the layout's own at scale 1, and the main window,
// the largest, is placed wholly on the screen where it fits.
TEST(Layout, EveryLabelAndButtonHoldsItsTextAndTheWindowsFitTheScreen) {
    test::TempLogDir logDir;
    // Any screen; 1280 x 1024 at scale 1.5, less a panel; one too small even at the layout's size.
    for (const QSize screenSize : {QSize(100'000, 100'000), QSize(853, 660), QSize(480, 360)})
        for (const char* family : {"Liberation Sans", "DejaVu Sans", "DejaVu Serif"})
            for (const int points : {8, 14}) {
                SCOPED_TRACE(testing::Message()
                             << family << ' ' << points << " pt, screen " << screenSize.width());
                QApplication::setFont(
                    widgets::FitFont(QFont(family, points), screenSize, &MainWindow::sizeFor));
                Windows windows(logDir.log());
                const ViewCurrentDialog& current = windows.current;
                current.countLabel()->setText("999,999 of 1,000,000");
                EXPECT_LE(current.findEdit()->geometry().right(), current.countLabel()->x());
                EXPECT_LT(current.countLabel()->geometry().right(), current.clearAllButton()->x());
                for (const QWidget* window : windows.all()) {
                    for (const QLabel* label : window->findChildren<QLabel*>()) {
                        const QSize hint = label->sizeHint();
                        EXPECT_TRUE(label->wordWrap()
                                        ? label->heightForWidth(label->width()) <= label->height()
                                        : hint.boundedTo(label->contentsRect().size()) == hint)
                            << label->objectName().toStdString();
                    }
                    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                        EXPECT_EQ(button->sizeHint().boundedTo(button->size()), button->sizeHint())
                            << button->objectName().toStdString();
                }
                const TwipsScale scale = TwipsScale::forApplication();
                EXPECT_TRUE(scale.x() >= 1.0 && scale.y() >= 1.0);
                const QRect screen(QPoint(100, 50), screenSize);
                const QRect frame(widgets::CentredOn(screen, windows.main.size()),
                                  windows.main.size() + widgets::kFrameAllowance);
                EXPECT_TRUE(screen.contains(frame) || (scale.x() == 1.0 && scale.y() == 1.0 &&
                                                       frame.topLeft() == screen.topLeft()));
            }
    QApplication::setFont(LayoutFont());
}

// Run under weston: a compositor ends a client whose maximised or full-screen surface keeps a
// size of its own. The main window and View Current fill the screen when asked; About, which keeps
// its size, refuses those states, from wherever the request comes.
TEST(Wayland, WindowsFillTheScreenOrKeepTheirSizeAndTheProgramLives) {
    if (QGuiApplication::platformName() != "wayland") GTEST_SKIP() << "not a Wayland client";
    const auto roundTrip = reinterpret_cast<int (*)(void*)>(
        QLibrary::resolve(QStringLiteral("wayland-client"), 0, "wl_display_roundtrip"));
    void* display = qApp->platformNativeInterface()->nativeResourceForIntegration("wl_display");
    test::TempLogDir logDir;
    Windows windows(logDir.log());
    for (QWidget* window : windows.all()) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_TRUE(window == &windows.main ||
                    window->windowHandle()->transientParent() == windows.main.windowHandle());
        const QSize size = window->size();
        const bool fills = window != &windows.about;
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window->windowHandle()->setWindowStates(state);
            // The compositor's answer taken and applied, and a frame drawn after it reaches the
            // compositor, which would end the program if it did not take it.
            ASSERT_GE(roundTrip(display), 0);
            QCoreApplication::sendPostedEvents();
            QWindowSystemInterface::flushWindowSystemEvents();
            window->repaint();
            ASSERT_GE(roundTrip(display), 0);
            const std::string title = window->windowTitle().toStdString();
            EXPECT_EQ((window->windowHandle()->windowStates() & state) != 0, fills) << title;
            if (fills) QTest::qWaitFor([&] { return window->width() > size.width() * 2; });
            EXPECT_EQ(window->width() > size.width() * 2, fills) << title;
            EXPECT_EQ(window->size() == size, !fills) << title;
        }
        window->windowHandle()->setWindowStates(Qt::WindowNoState);
        ASSERT_GE(roundTrip(display), 0);
    }
}

}  // namespace
}  // namespace kivra
