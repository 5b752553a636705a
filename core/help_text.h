#pragma once

#include <QString>

namespace kivra {

// The Help window's text: the manual page's Markdown without what only a manual page needs, its
// title block ("% ..." lines) and the NAME, SYNOPSIS, OPTIONS and EXIT STATUS sections ("## "
// headings; "### " begins a part of the section before it).
QString HelpWindowText(const QString& manualPage);

}  // namespace kivra
