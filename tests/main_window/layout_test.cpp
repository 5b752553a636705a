#include <gtest/gtest.h>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <functional>

#include "about/about_dialog.h"
#include "main_window/import_preview.h"
#include "main_window/item_frame.h"
#include "main_window/main_window.h"
#include "support/frames.h"
#include "support/qt_printers.h"
#include "support/temp_log_dir.h"
#include "view_current/view_current_dialog.h"
#include "widgets/file_list.h"
#include "widgets/fixed_window.h"
#include "widgets/message_box.h"
#include "widgets/open_files_dialog.h"
#include "widgets/save_as_dialog.h"
#include "widgets/settings.h"
#include "widgets/twips.h"
#include "widgets/window_size.h"

namespace kivra {
namespace {

// A saved size no sum can hold, from a hand-edited or foreign settings file, leaves the window at
// its own; a settings file that is a FIFO is never opened, so the program starts with its defaults.
TEST(Windows, AnOverflowingSizeAndAFifoAsSettingsGiveTheDefaults) {
    widgets::UserSettings().setValue("probe/size", QSize(2147483647, 2147483647));
    QWidget window;
    widgets::RestoreWindowSize(&window, "probe");
    EXPECT_EQ(window.size(), QWidget().size());
    const QString file = widgets::UserSettings().fileName();
    ASSERT_TRUE(QFile::remove(file) && mkfifo(QFile::encodeName(file), 0600) == 0);
    EXPECT_EQ(widgets::UserSettings().value("probe/size", 7).toInt(), 7);
    QFile::remove(file);
}

// The three windows as the program makes them.
struct Windows {
    explicit Windows(const EntryLog& log) : main(log), current(&main, log), about(&main) {}
    std::array<QWidget*, 3> all() { return {&main, &current, &about}; }

    MainWindow main;
    ViewCurrentDialog current;
    AboutDialog about;
};

// No text wider than its control or under a neighbour: a label's from its left, a button's caption
// centred inside its frame and margin.
void ExpectNoTextCut(const QWidget* window) {
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const std::string name = control->objectName().toStdString();
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
            continue;
        }
        if ((!label && !button) || !control->isVisibleTo(window)) continue;
        const QStyle* style = control->style();
        const int inset = label ? 0
                                : style->pixelMetric(QStyle::PM_ButtonMargin) / 2 +
                                      style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const QRect room = label ? label->contentsRect().translated(label->pos())
                                 : control->geometry().adjusted(inset, 0, -inset, 0);
        QRect text(room.topLeft(),
                   label ? label->sizeHint()
                         : control->fontMetrics().size(Qt::TextShowMnemonic, button->text()));
        if (button) text.moveCenter(room.center());
        EXPECT_TRUE(room.contains(text)) << name << ' ' << text.width() << " in " << room.width();
        for (const QWidget* other :
             control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(other == control || other->isWindow() || !other->isVisibleTo(window) ||
                        !other->geometry().intersects(text))
                << name << " under " << other->objectName().toStdString();
    }
}

// The import's preview, its code page guessed.
const ImportPlan kPreviewed{{{"/home/ann/DESCRIPT.ION",
                              ImportFormat::DescriptIon,
                              {u"/home/ann/a.zip - основная часть"_qs},
                              {},
                              {"CP866", true}}}};

// Whatever the desktop's font, every window scales its layout so no caption is cut, at any point
// size the fitting to a screen may give and at any scale factor (the tests run again with
// QT_SCALE_FACTOR 1.5 and 2); on a screen too small for it the font shrinks, never below the
// layout's own at scale 1, and the main window, the largest, is placed wholly on the screen where
// it fits.
TEST(Layout, NoTextIsCutOrCoveredAndTheWindowsFitTheScreen) {
    test::TempLogDir logDir;
    // The main window with its tallest frame: a download's "From:" line shown, where the file
    // system keeps the address.
    const QByteArray download = QFile::encodeName(logDir.path() + "/setup.exe");
    ASSERT_TRUE(test::WriteFile(download, "MZ"));
    const QByteArray address = "https://example.org/" + QByteArray(300, 'd') + "/setup.exe";
    const bool hasOrigin =
        setxattr(download, "user.xdg.origin.url", address.data(), address.size(), 0) == 0;
    // Any screen; 1280 x 1024 and 1024 x 768 at scale 1.5, less a panel; one too small even at the
    // layout's size.
    const QSize screens[] = {{100'000, 100'000}, {853, 660}, {683, 512}, {480, 360}};
    for (const QSize& screenSize : screens)
        for (const char* family :
             {"Liberation Sans", "DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"})
            // Every half point the fitting steps through on the largest screen; the largest font
            // on the others.
            for (double points = 14; points >= 8; points -= 0.5) {
                if (screenSize != screens[0] && points != 14) continue;
                SCOPED_TRACE(testing::Message()
                             << family << ' ' << points << " pt, screen " << screenSize.width());
                QFont font(family);
                font.setPointSizeF(points);
                QApplication::setFont(widgets::FitFont(font, screenSize, &MainWindow::sizeFor));
                Windows windows(logDir.log());
                windows.main.startAt(download);
                ASSERT_TRUE(QTest::qWaitFor(
                    [&] { return !windows.main.findChild<widgets::FileList*>()->reading(); }));
                EXPECT_NE(windows.main.findChild<QLabel*>("originLabel")->isHidden(), hasOrigin);
                const auto counted = [](const char* text, const char* done) {
                    return QCoreApplication::translate("kivra::ViewCurrentDialog", text)
                        .arg(done, "1,000,000");
                };
                windows.current.countLabel()->setText(counted("%1 of %2", "1,000,000"));
                windows.current.goneLabel()->setText(std::max(
                    counted("%1 of %2 gone", "999,999"), counted("Reading %1 of %2…", "999,999"),
                    [](const QString& a, const QString& b) { return a.size() < b.size(); }));
                for (const QWidget* window : windows.all()) ExpectNoTextCut(window);
                ImportPreviewDialog preview({&windows.main, kPreviewed, {}});
                preview.show();
                ExpectNoTextCut(&preview);
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

// The frame under the lists, drawn once and copied after, looks as a group box that the style
// draws afresh: as made, grown, disabled and enabled again. The copy may round a level apart.
TEST(Layout, TheItemFrameIsDrawnAsTheStyleDrawsIt) {
    QWidget window;
    ItemFrame frame(TwipsScale::forApplication(), QRect(0, 0, 400, 120), &window);
    QGroupBox plain(frame.title(), &window);
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"as made", [] {}},
        {"grown", [&] { frame.resize(520, 160); }},
        {"disabled", [&] { frame.setEnabled(false); }},
        {"enabled again", [&] { frame.setEnabled(true); }},
    };
    // The widget's own painting alone, on the window's colour, as dense as on its screen.
    const auto drawn = [](QWidget& widget) {
        const qreal ratio = widget.devicePixelRatioF();
        QImage image(widget.size() * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(widget.palette().window().color());
        widget.render(&image, {}, {}, {});
        return image;
    };
    for (const auto& [name, change] : rows) {
        SCOPED_TRACE(name);
        change();
        plain.setGeometry(frame.geometry());
        plain.setEnabled(frame.isEnabled());
        const QImage ours = drawn(frame), style = drawn(plain);
        ASSERT_EQ(ours.size(), style.size());
        int farthest = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                for (int shift : {0, 8, 16})
                    farthest = std::max(farthest, std::abs(int(ours.pixel(x, y) >> shift & 0xFF) -
                                                           int(style.pixel(x, y) >> shift & 0xFF)));
        EXPECT_LE(farthest, 1);
    }
}

// A platform theme sets its font from a queued call once the application runs: the font is
// fitted after it, and stays.
TEST(Layout, TheFontIsFittedAfterAThemeSetsItsOwn) {
    const QFont desktop("DejaVu Sans", 12);
    const QSize screen(683, 512);  // 1024 x 768 at scale 1.5
    QMetaObject::invokeMethod(
        qApp, [desktop] { QApplication::setFont(desktop); }, Qt::QueuedConnection);
    widgets::SetFittedApplicationFont(screen, &MainWindow::sizeFor);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::font(), widgets::FitFont(desktop, screen, &MainWindow::sizeFor));
    QApplication::setFont(LayoutFont());
}

// Every message box and file dialog is transient for the window that asks, so the window manager
// or compositor places it over that window. Under weston, which ends a client whose maximised or
// full-screen surface keeps a size of its own, the main window and View Current fill the screen
// when asked; About, which keeps its size, refuses those states, from wherever the request comes.
TEST(Windows, DialogsAreTransientAndUnderWaylandTheWindowsFillTheScreenOrKeepTheirSize) {
    test::TempLogDir logDir;
    Windows windows(logDir.log());
    for (QWidget* asker : windows.all()) {
        asker->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(asker));
        for (const std::function<void()>& ask : std::initializer_list<std::function<void()>>{
                 [&] { widgets::ShowWarning(asker, "warned"); },
                 [&] {
                     widgets::ShowOpenFiles({asker, "Import", QDir::tempPath(), {}});
                 },
                 [&] { widgets::ShowSaveAs({.parent = asker}); }}) {
            const QWindow* parent = nullptr;
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog && QTest::qWaitForWindowExposed(dialog))
                    parent = dialog->windowHandle()->transientParent();
                test::LetFramesLand();
                if (dialog) dialog->close();
            });
            ask();
            EXPECT_EQ(parent, asker->windowHandle()) << asker->windowTitle().toStdString();
        }
        test::LetFramesLand();
        asker->hide();
    }
    if (QGuiApplication::platformName() != "wayland") return;  // the rest needs a compositor
    const auto roundTrip = reinterpret_cast<int (*)(void*)>(
        QLibrary::resolve(QStringLiteral("wayland-client"), 0, "wl_display_roundtrip"));
    void* display = qApp->platformNativeInterface()->nativeResourceForIntegration("wl_display");
    for (QWidget* window : windows.all()) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_TRUE(window == &windows.main ||
                    window->windowHandle()->transientParent() == windows.main.windowHandle());
        const QSize size = window->size();
        const bool fills = window != &windows.about;
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            test::LetFramesLand();  // About refuses a state by hiding its surface
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
            if (fills) (void)QTest::qWaitFor([&] { return window->width() > size.width() * 2; });
            EXPECT_EQ(window->width() > size.width() * 2, fills) << title;
            EXPECT_EQ(window->size() == size, !fills) << title;
        }
        window->windowHandle()->setWindowStates(Qt::WindowNoState);
        ASSERT_GE(roundTrip(display), 0);
    }
    test::LetFramesLand();
}

}  // namespace
}  // namespace kivra
