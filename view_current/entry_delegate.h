#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace kivra {

// How View Current draws a row: gone entries grey and italic in the theme's colours; a row cut at
// the list's edge shows its whole entry (up to 4,000 characters) as a tooltip. Rows are measured
// only as they are drawn: `widerRow` hears of each row wider than any drawn before it.
class EntryDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    EntryDelegate(QObject* parent, std::function<void(int width)> widerRow);

    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // The description alone is edited, in a box over it: the path and " - " stay in view.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    // The width `text` takes in a row drawn with `option`, margins included.
    static int rowWidth(const QStyleOptionViewItem& option, const QString& text);

    std::function<void(int)> widerRow_;
    mutable int widest_ = 0;
};

}  // namespace kivra
