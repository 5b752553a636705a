#pragma once

#include <QTextDocument>

namespace kivra::test {

// A tooltip's text as the user reads it: rendered, where it looks like rich text, as QToolTip
// renders it.
inline QString ShownTip(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

}  // namespace kivra::test
