#pragma once

#include <QTextDocument>

namespace kivra::test {

// A tooltip's text as the user reads it: rendered, where it looks like rich text, as QToolTip
// renders it.
inline QString ShownTip(const QString& tip) {
    QTextDocument document;
    document.setHtml(tip);
    return Qt::mightBeRichText(tip) ? document.toPlainText() : tip;
}

}  // namespace kivra::test
