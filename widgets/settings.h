#pragma once

#include <QSettings>

namespace kivra::widgets {

// The user's choices kept between runs: ~/.config/kivra32/kivra32.conf (XDG_CONFIG_HOME honoured),
// the registry under HKEY_CURRENT_USER\Software\kivra32 on Windows. Never the log's folder.
inline QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("kivra32"),
                     QStringLiteral("kivra32"));
}

}  // namespace kivra::widgets
