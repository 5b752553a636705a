#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

namespace kivra {
class MainWindow;
}

namespace kivra::app {

// One window in a desktop session: a start hands its path to the window already open, over the
// session bus on Linux, a local socket elsewhere. Two copies started at once may both open a
// window; they share the log safely, as any two do.

// Hands `path` (absolute, native bytes; empty for none) to the session's window, which comes to
// the front with the launcher's activation token; false when no window took it.
bool HandToRunningWindow(const QByteArray& path, const QString& activationToken);

// Makes `window` the session's one, so later starts hand their paths to it; null where another
// copy is that already, or no bus or socket can be had. Lives no longer than the window.
std::unique_ptr<QObject> ServeWindow(MainWindow& window);

// What the window does with a path handed to it: comes to the front and makes the path current
// as a click would, once the caller has had its answer.
void ShowHandedPath(MainWindow& window, const QByteArray& path, const QString& activationToken);

}  // namespace kivra::app
