#include <qpa/qplatformnativeinterface.h>

#include <QGuiApplication>
#include <QLibrary>
#include <QWindow>

#include "widgets/wayland_states.h"

namespace kivra::widgets {

namespace {

// xdg_toplevel's requests by number, as the xdg-shell protocol lists them.
constexpr quint32 kUnsetMaximized = 10;
constexpr quint32 kUnsetFullscreen = 12;

}  // namespace

void WithdrawStateRequest(QWindow* window, Qt::WindowStates states) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    void* toplevel = QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
        QByteArrayLiteral("xdg_toplevel"), window);
    if (!toplevel) return;
    // Qt's Wayland plugin has loaded libwayland-client already; the program needs no link to it.
    using Marshal = void* (*)(void*, quint32, const void*, quint32, quint32, ...);
    using Version = quint32 (*)(void*);
    static const auto marshal = reinterpret_cast<Marshal>(
        QLibrary::resolve(QStringLiteral("wayland-client"), 0, "wl_proxy_marshal_flags"));
    static const auto version = reinterpret_cast<Version>(
        QLibrary::resolve(QStringLiteral("wayland-client"), 0, "wl_proxy_get_version"));
    if (!marshal || !version) return;
    if (states & Qt::WindowMaximized)
        marshal(toplevel, kUnsetMaximized, nullptr, version(toplevel), 0);
    if (states & Qt::WindowFullScreen)
        marshal(toplevel, kUnsetFullscreen, nullptr, version(toplevel), 0);
}

}  // namespace kivra::widgets
