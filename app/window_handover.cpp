#include "app/window_handover.h"

#include <QTimer>

#include "main_window/main_window.h"

namespace kivra::app {

void ShowHandedPath(MainWindow& window, const QByteArray& path, const QString& activationToken) {
    // A message about the path would hold the caller's call open until it is answered.
    QTimer::singleShot(0, &window, [&window, path, activationToken] {
        // Qt 6.4's Wayland platform (xdg-shell) activates a window with the token it finds here,
        // where the compositor offers xdg-activation; under X11 the raise is what counts.
        if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
        if (window.isMinimized()) window.showNormal();
        window.raise();
        window.activateWindow();
        // A token is good for one activation: a program started later must not carry it.
        qunsetenv("XDG_ACTIVATION_TOKEN");
        if (!path.isEmpty()) window.startAt(path);
    });
}

}  // namespace kivra::app
