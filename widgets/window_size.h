#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace kivra::widgets {

// How far each edge of a control follows the room its parent gains beyond its designed size: 0
// stays, 1 moves with the parent's right (left, right) or bottom (top, bottom) edge.
struct Follow {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
inline constexpr Follow kGrows{0, 0, 1, 1};
inline constexpr Follow kCornerBottomRight{1, 1, 1, 1};

// Keeps the controls added to it at the rectangles they have when added while the parent has its
// designed size, the smallest it takes, and moves their edges by their Follow as it grows. The
// controls it is not told of stay where they are.
class GrowingLayout : public QLayout {
public:
    GrowingLayout(QWidget* parent, QSize designed);
    ~GrowingLayout() override;

    void add(QWidget* control, Follow follow);
    // Moves a control's designed place by `offset` and places it at once, as when a line above it
    // comes or goes.
    void shift(QWidget* control, QPoint offset);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QSize sizeHint() const override { return designed_; }
    QSize minimumSize() const override { return designed_; }
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

private:
    struct Placed {
        QLayoutItem* item;
        QRect designed;
        Follow follow;
    };
    QSize designed_;
    QList<Placed> items_;
    bool placed_ = false;
};

// A window's size and whether it was maximised, kept between runs under `name` in the user's
// settings. Restoring before the first showing: a size that does not fit the screen the window
// opens on is left out, a maximised one opens maximised. Saving when it closes.
void RestoreWindowSize(QWidget* window, const QString& name);
void SaveWindowSize(const QWidget* window, const QString& name);

}  // namespace kivra::widgets
