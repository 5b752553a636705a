#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace kivra {

class EntryLog;
class frmShowCurrent;

// The main window's "View Current" command: shows the log's entries in a modal window owned by
// `owner`, or tells the user that there are none. Returns the entry the user went to, if any.
QString OpenViewCurrent(QWidget* owner, const EntryLog& log);

// A fresh View Current window filled from the log, not yet shown; null when there is no log or
// it cannot be read completely, after telling the user why.
std::unique_ptr<frmShowCurrent> CreateViewCurrent(QWidget* owner, const EntryLog& log);

}  // namespace kivra
