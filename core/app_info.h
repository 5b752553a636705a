#pragma once

#include <QString>

// The application properties that every window shares.
namespace kivra::app {

// Caption of every message box and the name shown in the About window.
inline constexpr char kTitle[] = "Kivra32";
// The main window's own caption.
inline constexpr char kMainCaption[] = "Kivra/32";

// What the tool does, in one line: --help, the menu entry and the package say it alike.
inline constexpr char kDescription[] =
    "Describe downloaded files and directories and keep the notes in a log";
// The reverse-DNS name of the desktop entry and the AppStream component.
inline constexpr char kDesktopId[] = "org.example.kivra32";

inline constexpr int kMajor = 1;
inline constexpr int kMinor = 1;
inline constexpr int kRevision = 0;

// "1.1.0"
inline QString versionText() {
    return QStringLiteral("%1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision);
}

}  // namespace kivra::app
