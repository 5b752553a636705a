#include "view_current/entry_list_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include "view_current/current_entries_model.h"
#include "view_current/entry_delegate.h"

namespace kivra {

EntryListView::EntryListView(QWidget* parent) : RowsByNumberView(parent) {
    setItemDelegate(new EntryDelegate(this, [this](int width) {
        setWidestRow(width);
        // Not while painting: the range changes once the paint is done.
        QMetaObject::invokeMethod(
            this, [this] { updateGeometries(); }, Qt::QueuedConnection);
    }));
}

void EntryListView::setEmptyText(const QString& text) {
    emptyText_ = text;
    setAccessibleDescription(text);
    viewport()->update();
}

void EntryListView::paintEvent(QPaintEvent* event) {
    if (rowCount() != 0 || emptyText_.isEmpty()) return RowsByNumberView::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(viewport()->rect(), Qt::AlignCenter | Qt::TextWordWrap, emptyText_);
}

void EntryListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The keypad's Enter comes with a modifier of its own.
        if (!selected.isEmpty() && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
            entered(selected.first());
            return;
        }
    } else if (event->matches(QKeySequence::Copy)) {
        if (!selected.isEmpty())
            QGuiApplication::clipboard()->setText(
                selected.first().data(CurrentEntriesModel::LineRole).toString());
        return;
    }
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && selected.isEmpty() &&
        rowCount() != 0) {
        const QModelIndex framed = currentIndex().isValid() ? currentIndex() : model()->index(0, 0);
        selectionModel()->setCurrentIndex(framed, QItemSelectionModel::ClearAndSelect);
        scrollTo(framed);
        return;
    }
    RowsByNumberView::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (currentIndex().isValid())
                selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
            break;
        default:
            break;
    }
}

}  // namespace kivra
