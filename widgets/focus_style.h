#pragma once

#include <QProxyStyle>

namespace kivra::widgets {

// The desktop's style with a focus that can always be seen: a list with the focus has a frame in
// the highlight colour and its current row a solid outline, selected or not; every window shows
// the focus from the start, not only after the first Tab.
class FocusStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Puts FocusStyle over the application's style.
void ShowFocusPlainly();

}  // namespace kivra::widgets
