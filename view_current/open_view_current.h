#pragma once

class QWidget;

namespace kivra {

class EntryLog;

// The main window's "View Current" command: shows the log's entries in a modal window owned by
// `owner`, or tells the user that there are none.
void OpenViewCurrent(QWidget* owner, const EntryLog& log);

}  // namespace kivra
