#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace kivra::widgets {

// Room a window manager's title bar and borders take around a window before it is first shown,
// when the real frame is not known yet.
inline constexpr QSize kFrameAllowance{16, 48};

// A window of a fixed size is never maximised or made full screen, whatever asks: the title bar,
// the window manager, a compositor or the program. A Wayland compositor ends a client whose
// maximised surface keeps its own size.
void KeepFixedSize(QWidget* window);

// `font` where the window `windowSize` gives for it fits `room` with its frame, else the largest
// point size below it that fits; the layout's own font at scale 1 where none does, as the layout
// never shrinks below the size it was drawn at.
QFont FitFont(const QFont& font, const QSize& room,
              const std::function<QSize(const QFont&)>& windowSize);

// Makes the desktop's font, fitted as FitFont does, the application's. A platform theme (qt6ct,
// KDE's) sets its font from a queued call once the application runs, which would replace the
// fitted font after the windows were laid out for it: that call is let through first.
void SetFittedApplicationFont(const QSize& room,
                              const std::function<QSize(const QFont&)>& windowSize);

// `window`'s top-left corner that centres its frame on `available` and keeps the title bar on it.
QPoint CentredOn(const QRect& available, const QSize& windowSize);

}  // namespace kivra::widgets
