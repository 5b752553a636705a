#pragma once

#include <QString>

#include "core/version.h"

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

inline constexpr int kMajor = KIVRA_VERSION_MAJOR;
inline constexpr int kMinor = KIVRA_VERSION_MINOR;
inline constexpr int kRevision = KIVRA_VERSION_PATCH;

// "MAJOR.MINOR.PATCH"
inline QString versionText() { return QStringLiteral(KIVRA_VERSION_TEXT); }

}  // namespace kivra::app
