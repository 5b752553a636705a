#include "app/window_handover.h"

#include <QTimer>

#include "main_window/main_window.h"

namespace kivra::app {

void ShowHandedPath(MainWindow& window, const QByteArray& path, const QString& activationToken) {
    // A message about the path would hold the caller's call open until it is answered.
    QTimer::singleShot(0, &window, [&window, path, activationToken] {
        // Qt's Wayland platform activates a window with the token found here, where the
        // compositor takes one.
        if (!activationToken.isEmpty()) qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
        if (window.isMinimized()) window.showNormal();
        window.raise();
        window.activateWindow();
        if (!path.isEmpty()) window.startAt(path);
    });
}

}  // namespace kivra::app
