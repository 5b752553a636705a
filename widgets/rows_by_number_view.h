#pragma once

#include <QListView>

namespace kivra::widgets {

// A list whose rows are all as high as the first: a row's place is its number times that height,
// so nothing is laid out row by row and a hundred thousand rows swap in, or take a new one, as
// fast as ten. Still a QListView, so screen readers meet a list. The rows are as wide as the
// first, or the view, or the widest a subclass reports (setWidestRow).
class RowsByNumberView : public QListView {
public:
    explicit RowsByNumberView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    bool viewportEvent(QEvent* event) override;

    void setWidestRow(int width) { widest_ = width; }
    int rowCount() const;
    int rowHeight() const;

private:
    // The scroll bars' ranges for the rows there are now.
    void updateRanges();
    int contentsWidth() const;
    // The rows the viewport shows whole.
    int shownRows() const;
    // The row under viewport height `y`, unbounded.
    int rowAt(int y) const { return (y + verticalOffset()) / rowHeight(); }

    int widest_ = 0;
    // Measured again at each layout: the font or the first row may have changed.
    mutable QSize rowSize_;
    QModelIndex hover_;
};

}  // namespace kivra::widgets
