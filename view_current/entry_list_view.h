#pragma once

#include <functional>

#include "widgets/rows_by_number_view.h"

namespace kivra {

// View Current's list. Rows are never all measured: the horizontal scroll range is the widest row
// drawn so far.
//
// The entry the keyboard lands on is selected, also when it already had the focus frame, so
// "Delete Entry" removes what the user sees highlighted: with nothing selected, the first Up or
// Down selects the framed entry (at the start the first) instead of passing it. Enter goes to the
// selected entry's item (a current entry merely framed is not chosen); Ctrl+C copies its whole
// line.
class EntryListView : public widgets::RowsByNumberView {
public:
    explicit EntryListView(QWidget* parent);

    std::function<void(const QModelIndex&)> entered;
    // Said in an empty list, where the entries went.
    void setEmptyText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString emptyText_;
};

}  // namespace kivra
