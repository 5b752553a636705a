#include "widgets/window_size.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "widgets/fixed_window.h"
#include "widgets/settings.h"

namespace kivra::widgets {

GrowingLayout::GrowingLayout(QWidget* parent, QSize designed)
    : QLayout(parent), designed_(designed) {
    setContentsMargins(0, 0, 0, 0);
}

GrowingLayout::~GrowingLayout() {
    for (const Placed& placed : std::as_const(items_)) delete placed.item;
}

void GrowingLayout::add(QWidget* control, Follow follow) {
    addChildWidget(control);
    items_.append({new QWidgetItem(control), control->geometry(), follow});
    if (placed_)
        setGeometry(geometry());
    else
        invalidate();
}

void GrowingLayout::shift(QWidget* control, QPoint offset) {
    for (Placed& placed : items_)
        if (placed.item->widget() == control) placed.designed.translate(offset);
    setGeometry(geometry());
}

void GrowingLayout::addItem(QLayoutItem* item) { items_.append({item, item->geometry(), {}}); }

QLayoutItem* GrowingLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* GrowingLayout::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index).item : nullptr;
}

void GrowingLayout::invalidate() {
    // Once placed, the controls keep the design's places whatever they hint or whether they show:
    // a label's new text asks for no new layout of the window (every move in the file list did).
    // The parent's resizes still place them.
    if (!placed_) QLayout::invalidate();
}

void GrowingLayout::setGeometry(const QRect& rect) {
    placed_ = true;
    QLayout::setGeometry(rect);
    // The whole parent, not the rectangle given: a group box gives the room under its title,
    // while the design places its controls from its top left corner.
    const QSize room = parentWidget()->size();
    const int wider = qMax(0, room.width() - designed_.width());
    const int higher = qMax(0, room.height() - designed_.height());
    const auto moved = [](int edge, double share, int growth) {
        return edge + qRound(share * growth);
    };
    for (const Placed& placed : std::as_const(items_)) {
        const QRect& d = placed.designed;
        const Follow& f = placed.follow;
        const QPoint topLeft(moved(d.left(), f.left, wider), moved(d.top(), f.top, higher));
        const QPoint bottomRight(moved(d.left() + d.width(), f.right, wider),
                                 moved(d.top() + d.height(), f.bottom, higher));
        if (QWidget* control = placed.item->widget())
            control->setGeometry(QRect(topLeft, bottomRight - QPoint(1, 1)));
    }
}

void RestoreWindowSize(QWidget* window, const QString& name) {
    QSettings settings = UserSettings();
    settings.beginGroup(name);
    // Whatever the file says, no sum below can overflow: a size past any screen is left out.
    constexpr int kLargest = 1 << 20;
    const QSize size =
        settings.value(QStringLiteral("size")).toSize().boundedTo(QSize(kLargest, kLargest));
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() : QSize();
    if (size.isValid() && (size + kFrameAllowance).boundedTo(room) == size + kFrameAllowance)
        window->resize(size.expandedTo(window->minimumSize()));
    if (settings.value(QStringLiteral("maximized")).toBool())
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void SaveWindowSize(const QWidget* window, const QString& name) {
    QSettings settings = UserSettings();
    settings.beginGroup(name);
    const bool maximized = window->isMaximized();
    const QRect normal = window->normalGeometry();
    settings.setValue(QStringLiteral("size"),
                      maximized && normal.isValid() ? normal.size() : window->size());
    settings.setValue(QStringLiteral("maximized"), maximized);
}

}  // namespace kivra::widgets
