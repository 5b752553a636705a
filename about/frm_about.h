#pragma once

class QWidget;

namespace kivra {

// The main window's "About" command: shows the About window modally, owned by `owner`.
void ShowAbout(QWidget* owner);

}  // namespace kivra
