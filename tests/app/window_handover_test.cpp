#include "app/window_handover.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "main_window/main_window.h"
#include "support/frames.h"
#include "support/temp_log_dir.h"

namespace kivra {

// A second start, the real program in a folder of its own, hands its path to the window open
// here: the description in the box is recorded for the item left, the path made current.
TEST(WindowHandover, ASecondStartMakesItsPathCurrentInTheWindowOpen) {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) GTEST_SKIP() << "no session bus";
    const test::TempLogDir logDir;
    const QString dir = logDir.path();
    ASSERT_TRUE(test::WriteFile(dir + "/a.txt", "a") && test::WriteFile(dir + "/b c.txt", "b"));
    MainWindow window(logDir.log());
    window.show();
    const std::unique_ptr<QObject> served = app::ServeWindow(window);
    ASSERT_TRUE(served);
    window.startAt(QFile::encodeName(dir + "/a.txt"));
    auto* box = window.findChild<QLineEdit*>("descriptionEdit");
    box->setText("the first file");

    QProcess second;
    second.setWorkingDirectory(dir);
    second.start(KIVRA32_PATH, {"b c.txt"});
    QSignalSpy finished(&second, &QProcess::finished);
    ASSERT_TRUE(finished.wait(20'000)) << second.readAllStandardError().constData();
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.currentPath() == dir + "/b c.txt"; }));
    EXPECT_EQ(test::LinesOf(logDir.log()), QStringList({dir + "/a.txt - the first file"}));
    EXPECT_TRUE(box->text().isEmpty());
    test::LetFramesLand();
    // The name is taken: a second window serves nothing.
    MainWindow other(logDir.log());
    EXPECT_FALSE(app::ServeWindow(other));
}

}  // namespace kivra
