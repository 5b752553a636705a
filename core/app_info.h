#pragma once

#include <QString>

// The application properties that every window shares.
namespace kivra::app {

// Caption of every message box and the name shown in the About window.
inline constexpr char kTitle[] = "Kivra32";
// The main window's own caption.
inline constexpr char kMainCaption[] = "Kivra/32";

inline constexpr int kMajor = 1;
inline constexpr int kMinor = 1;
inline constexpr int kRevision = 0;

// "1.1.0"
inline QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
}

}  // namespace kivra::app
