#include "widgets/focus_style.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyleOption>

namespace kivra::widgets {

namespace {

bool inItemView(const QWidget* widget) {
    return widget && (qobject_cast<const QAbstractItemView*>(widget) ||
                      qobject_cast<const QAbstractItemView*>(widget->parentWidget()));
}

void outline(QPainter* painter, const QRect& rect, const QColor& colour, int width) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    const QRect r = rect;
    painter->drawRect(r.left(), r.top(), r.width(), width);
    painter->drawRect(r.left(), r.bottom() - width + 1, r.width(), width);
    painter->drawRect(r.left(), r.top(), width, r.height());
    painter->drawRect(r.right() - width + 1, r.top(), width, r.height());
    painter->restore();
}

}  // namespace

void FocusStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (widget->isWindow()) widget->installEventFilter(this);
}

void FocusStyle::unpolish(QWidget* widget) {
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool FocusStyle::eventFilter(QObject* watched, QEvent* event) {
    // Styles draw the focus only once the keyboard has moved it, and Qt forgets that at each
    // showing; the user needs to see where typing goes before pressing anything.
    if (event->type() == QEvent::WindowActivate)
        static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
    return QProxyStyle::eventFilter(watched, event);
}

int FocusStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    // Room for the focus frame, which the list's contents would otherwise cover.
    if (metric == PM_DefaultFrameWidth && qobject_cast<const QAbstractItemView*>(widget))
        return std::max(value, 2);
    return value;
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect && inItemView(widget)) {
        // Against the highlight when the row is selected, against the base when it is not.
        const bool selected = option->state & State_Selected;
        const QColor colour =
            option->palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        outline(painter, option->rect, colour, 1);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_ShapedFrame && (option->state & State_HasFocus) &&
        qobject_cast<const QAbstractItemView*>(widget))
        outline(painter, option->rect, option->palette.color(QPalette::Highlight), 2);
}

void ShowFocusPlainly() {
    QStyle* const style = QApplication::style();
    // The style Qt made is wrapped, not made twice; setStyle keeps it, as it is ours now. Under a
    // style sheet Qt's own wrapper is what style() gives, and it must stay outermost.
    QApplication::setStyle(qApp->styleSheet().isEmpty() ? new FocusStyle(style)
                                                        : new FocusStyle(style->name()));
}

}  // namespace kivra::widgets
