#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include "about/frm_about.h"
#include "main_window/frm_main.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"
#include "view_current/frm_show_current.h"

namespace kivra {
namespace {

// Weston ends a client whose maximised or full-screen surface keeps a size of its own; the
// windows refuse those states instead, from wherever the request comes.
TEST(Wayland, WindowsKeepTheirSizeAndTheProgramLivesWhenAskedToFillTheScreen) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    const auto registry = platform::MakeSystemRegistry();
    const auto launcher = platform::MakeProgramLauncher();
    test::TempLogDir logDir;
    frmMain main(logDir.log());
    frmShowCurrent current(&main, logDir.log());
    frmAbout about(&main,
                   SysInfoServices{*registry, *launcher, [](const QString&) { return false; }});
    for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&current),
                            static_cast<QWidget*>(&about)}) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << window->windowTitle().toStdString();
        if (window != &main) {
            EXPECT_EQ(window->windowHandle()->transientParent(), main.windowHandle());
        }
        const QSize size = window->size();
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window->windowHandle()->setWindowStates(state);
            // Time for the compositor's answer and for another frame at the window's size.
            QTest::qWait(400);
            EXPECT_EQ(window->size(), size) << window->windowTitle().toStdString();
            EXPECT_EQ(window->windowHandle()->windowStates() & state, 0);
        }
    }
}

}  // namespace
}  // namespace kivra
