#pragma once

#include <QSettings>

namespace kivra::widgets {

// The user's choices kept between runs: ~/.config/kivra32/kivra32.conf (XDG_CONFIG_HOME honoured),
// the registry under HKEY_CURRENT_USER\Software\kivra32 on Windows. Never the log's folder. A
// settings file that is not an ordinary file (a FIFO, a device) is never opened: the program
// runs with its defaults and says so once on standard error.
QSettings UserSettings();

}  // namespace kivra::widgets
