#include "widgets/rows_by_number_view.h"

#include <QAccessible>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace kivra::widgets {

RowsByNumberView::RowsByNumberView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
}

int RowsByNumberView::rowCount() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int RowsByNumberView::rowHeight() const {
    if (!rowSize_.isValid()) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex first =
            rowCount() > 0 ? model()->index(0, modelColumn(), rootIndex()) : QModelIndex();
        rowSize_ = first.isValid() ? itemDelegateForIndex(first)->sizeHint(option, first)
                                   : QSize(0, fontMetrics().height());
        rowSize_.setHeight(std::max(rowSize_.height(), 1));
    }
    return rowSize_.height();
}

int RowsByNumberView::contentsWidth() const {
    rowHeight();
    return std::max(rowSize_.width(), widest_);
}

QRect RowsByNumberView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.column() != modelColumn() ||
        index.row() >= rowCount())
        return {};
    const qint64 top = qint64(index.row()) * rowHeight() - verticalOffset();
    if (top < std::numeric_limits<int>::min() || top > std::numeric_limits<int>::max()) return {};
    return QRect(-horizontalOffset(), int(top), std::max(contentsWidth(), viewport()->width()),
                 rowHeight());
}

QModelIndex RowsByNumberView::indexAt(const QPoint& point) const {
    if (point.y() + verticalOffset() < 0) return {};
    const int row = rowAt(point.y());
    const QModelIndex index =
        row < rowCount() ? model()->index(row, modelColumn(), rootIndex()) : QModelIndex();
    return visualRect(index).contains(point) ? index : QModelIndex();
}

void RowsByNumberView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!visualRect(index).isValid()) return;
    // Rows swapped in since the last layout are in range already.
    updateRanges();
    const int row = index.row(), shown = shownRows(), top = verticalScrollBar()->value();
    switch (hint) {
        case EnsureVisible:
            if (row >= top && row < top + shown) return viewport()->update(visualRect(index));
            verticalScrollBar()->setValue(row < top ? row : row - shown + 1);
            break;
        case PositionAtTop:
            verticalScrollBar()->setValue(row);
            break;
        case PositionAtBottom:
            verticalScrollBar()->setValue(row - shown + 1);
            break;
        case PositionAtCenter:
            verticalScrollBar()->setValue(row - (shown - 1) / 2);
            break;
    }
}

void RowsByNumberView::doItemsLayout() {
    rowSize_ = {};
    QAbstractItemView::doItemsLayout();
}

void RowsByNumberView::updateGeometries() {
    updateRanges();
    QAbstractItemView::updateGeometries();
}

void RowsByNumberView::updateRanges() {
    const int rows = rowCount();
    if (geometry().isEmpty() || rows == 0) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
    } else {
        const qint64 height = qint64(rows) * rowHeight();
        const int width = contentsWidth();
        // Where a bar takes room the other needs no bar for, both could show and hide in turn.
        const QSize room = contentsRect().marginsRemoved(viewportMargins()).size();
        const bool bothAuto = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                              horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded;
        const bool wantsVertical = height > room.height();
        const bool wantsHorizontal =
            width > room.width() - (wantsVertical ? verticalScrollBar()->width() : 0);
        const bool verticalToo =
            height > room.height() - (wantsHorizontal ? horizontalScrollBar()->height() : 0);
        // A row a step: the top row is always whole, as in a list scrolled by item.
        verticalScrollBar()->setSingleStep(1);
        verticalScrollBar()->setPageStep(shownRows());
        verticalScrollBar()->setRange(
            0, bothAuto && !verticalToo ? 0 : std::max(0, rows - shownRows()));
        horizontalScrollBar()->setSingleStep(rowHeight());
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setRange(
            0, bothAuto && !wantsHorizontal ? 0 : std::max(0, width - viewport()->width()));
    }
}

void RowsByNumberView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const int rows = rowCount();
    if (rows == 0) return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QRect area = event->rect();
    const int last = std::min(rows - 1, rowAt(area.bottom()));
    for (int row = std::max(0, rowAt(area.top())); row <= last; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (state & QStyle::State_Enabled) {
            const bool enabled = model()->flags(index) & Qt::ItemIsEnabled;
            option.state.setFlag(QStyle::State_Enabled, enabled);
            option.palette.setCurrentColorGroup(enabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
            if (this->state() == EditingState) option.state |= QStyle::State_Editing;
        }
        option.state.setFlag(QStyle::State_MouseOver, index == hover_);
        option.features.setFlag(QStyleOptionViewItem::Alternate,
                                alternatingRowColors() && row % 2 == 1);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

QModelIndex RowsByNumberView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int rows = rowCount();
    if (rows == 0) return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return model()->index(0, modelColumn(), rootIndex());
    // A page leaves the row it starts from in view, as a paged list does.
    const int page = std::max(1, shownRows() - 1);
    int row = current.row();
    switch (action) {
        case MoveUp:
        case MovePrevious:
            row = std::max(0, row - 1);
            break;
        case MoveDown:
        case MoveNext:
            row = std::min(rows - 1, row + 1);
            break;
        case MovePageUp:
            row = std::max(0, row - page);
            break;
        case MovePageDown:
            row = std::min(rows - 1, row + page);
            break;
        case MoveHome:
            row = 0;
            break;
        case MoveEnd:
            row = rows - 1;
            break;
        default:
            break;
    }
    return model()->index(row, modelColumn(), rootIndex());
}

void RowsByNumberView::setSelection(const QRect& rect,
                                    QItemSelectionModel::SelectionFlags command) {
    if (!selectionModel()) return;
    QItemSelection selection;
    const QRect rows = rect.normalized();
    const int first = std::max(0, rowAt(rows.top()));
    const int last = std::min(rowCount() - 1, rowAt(rows.bottom()));
    if (rows.bottom() + verticalOffset() >= 0 && first <= last) {
        // A click selects the one row under it.
        const int top = rows.width() == 1 && rows.height() == 1 ? last : first;
        selection.select(model()->index(top, modelColumn(), rootIndex()),
                         model()->index(last, modelColumn(), rootIndex()));
    }
    selectionModel()->select(selection, command);
}

QRegion RowsByNumberView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.parent() != rootIndex()) continue;
        const QRect rect = visualRect(range.topLeft()).united(visualRect(range.bottomRight()));
        region += rect.intersected(viewport()->rect());
    }
    return region;
}

int RowsByNumberView::horizontalOffset() const {
    const QScrollBar* bar = horizontalScrollBar();
    return isRightToLeft() ? bar->maximum() - bar->value() : bar->value();
}

int RowsByNumberView::verticalOffset() const { return verticalScrollBar()->value() * rowHeight(); }

int RowsByNumberView::shownRows() const { return std::max(1, viewport()->height() / rowHeight()); }

void RowsByNumberView::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(isRightToLeft() ? -dx : dx, dy * rowHeight());
}

// Screen readers hear of the row by its number: every row is shown, in the model's order.
void RowsByNumberView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleEvent focused(this, QAccessible::Focus);
        focused.setChild(current.row());
        QAccessible::updateAccessibility(&focused);
    }
}

void RowsByNumberView::selectionChanged(const QItemSelection& selected,
                                        const QItemSelection& deselected) {
    if (QAccessible::isActive()) {
        for (const auto& [index, kind] :
             {std::pair{selected.indexes().value(0), QAccessible::SelectionAdd},
              std::pair{deselected.indexes().value(0), QAccessible::SelectionRemove}}) {
            if (!index.isValid()) continue;
            QAccessibleEvent change(this, kind);
            change.setChild(index.row());
            QAccessible::updateAccessibility(&change);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

bool RowsByNumberView::viewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            hover_ = indexAt(static_cast<QHoverEvent*>(event)->position().toPoint());
            break;
        case QEvent::HoverLeave:
        case QEvent::Leave:
            hover_ = QModelIndex();
            break;
        default:
            break;
    }
    return QListView::viewportEvent(event);
}

}  // namespace kivra::widgets
