#include "widgets/fixed_window.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "widgets/twips.h"

namespace kivra::widgets {

namespace {

constexpr Qt::WindowStates kRefused = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches the window's platform window from its first showing on: that is where requests from
// outside the program arrive, and where a request through windowHandle() never reaches the
// widget's own state.
class StateGuard : public QObject {
public:
    explicit StateGuard(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ &&
            (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)) {
            watch();
            refuse();
        }
        return false;
    }

private:
    void watch() {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == watched_) return;
        watched_ = handle;
        connect(handle, &QWindow::windowStateChanged, this, &StateGuard::refuse);
    }

    void refuse() {
        QWindow* handle = window_->windowHandle();
        if (handle && (handle->windowStates() & kRefused)) {
            handle->setWindowStates(handle->windowStates() & ~kRefused);
            // A Wayland compositor has the request already, and its answer cannot be taken back:
            // the surface that asked goes, and a new one in the normal state comes in its place
            // before the answer arrives.
            if (handle->isVisible() &&
                QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
                handle->setVisible(false);
                handle->setVisible(true);
            }
        }
        if (window_->windowState() & kRefused)
            window_->setWindowState(window_->windowState() & ~kRefused);
    }

    QWidget* window_;
    QWindow* watched_ = nullptr;
};

}  // namespace

void KeepFixedSize(QWidget* window) { new StateGuard(window); }

QFont FitFont(const QFont& font, const QSize& room,
              const std::function<QSize(const QFont&)>& windowSize) {
    const auto fits = [&](const QFont& candidate) {
        const QSize outer = windowSize(candidate) + kFrameAllowance;
        return outer.width() <= room.width() && outer.height() <= room.height();
    };
    if (font.pointSizeF() <= 0 || fits(font)) return font;
    // Half points down, as long as the layout stays at least its own size.
    QFont candidate = font;
    for (double points = std::ceil(font.pointSizeF() * 2 - 1) / 2; points > 0; points -= 0.5) {
        candidate.setPointSizeF(points);
        const TwipsScale scale = TwipsScale::forFont(candidate);
        if (scale.x() < 1.0 || scale.y() < 1.0) break;
        if (fits(candidate)) return candidate;
    }
    return LayoutFont();
}

void SetFittedApplicationFont(const QSize& room,
                              const std::function<QSize(const QFont&)>& windowSize) {
    QCoreApplication::sendPostedEvents();
    QApplication::setFont(FitFont(ApplicationFont(QApplication::font()), room, windowSize));
}

QPoint CentredOn(const QRect& available, const QSize& windowSize) {
    const QSize outer = windowSize + kFrameAllowance;
    QRect frame(QPoint(), outer);
    frame.moveCenter(available.center());
    // Where it does not fit, the title bar and the left edge stay reachable.
    frame.moveLeft(qMax(available.left(), qMin(frame.left(), available.right() - outer.width())));
    frame.moveTop(qMax(available.top(), qMin(frame.top(), available.bottom() - outer.height())));
    return frame.topLeft();
}

}  // namespace kivra::widgets
