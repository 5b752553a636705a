#pragma once

#include <QListView>
#include <functional>

namespace kivra {

// View Current's list. Every row is as high as the first, so a row's place is its number times
// that height: nothing is laid out row by row, and a million rows swap in as fast as ten. A
// QListView still, so screen readers meet a list. Rows are never all measured either: the
// horizontal scroll range is the widest row drawn so far.
//
// The entry the keyboard lands on is selected, also when it already had the focus frame, so
// "Delete Entry" removes what the user sees highlighted: with nothing selected, the first Up or
// Down selects the framed entry (at the start the first) instead of passing it. Enter goes to the
// selected entry's item (a current entry merely framed is not chosen); Ctrl+C copies its whole
// line.
class EntryListView : public QListView {
public:
    explicit EntryListView(QWidget* parent);

    std::function<void(const QModelIndex&)> entered;
    // Said in an empty list, where the entries went.
    void setEmptyText(const QString& text);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void keyPressEvent(QKeyEvent* event) override;
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

private:
    int rowHeight() const;
    int rowCount() const;
    int contentsWidth() const;
    // The row under viewport height `y`, unbounded.
    int rowAt(int y) const { return (y + verticalOffset()) / rowHeight(); }

    int widest_ = 0;
    // Measured again at each layout: the font or the first row may have changed.
    mutable QSize rowSize_;
    QString emptyText_;
    QModelIndex hover_;
};

}  // namespace kivra
