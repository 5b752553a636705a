#pragma once

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

#include "core/plain_tip.h"

namespace kivra::widgets {

// For a list's viewport tooltip event: shows the name under the pointer in full when the list
// cuts it off, and nothing otherwise. `indent` is what the row gives away before its text
// (indentation, icon).
inline void ShowCutNameTip(QAbstractItemView* view, QHelpEvent* event, int indent = 0) {
    const QModelIndex index = view->indexAt(event->pos());
    const QString name = index.data().toString();
    const QRect row = view->visualRect(index);
    const int margins = 8;
    const int room = view->viewport()->width() - row.left() - indent - margins;
    if (index.isValid() && view->fontMetrics().horizontalAdvance(name) > room)
        QToolTip::showText(event->globalPos(), PlainTip(name), view->viewport(), row);
    else
        QToolTip::hideText();
}

}  // namespace kivra::widgets
