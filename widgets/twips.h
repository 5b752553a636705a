#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace kivra {

// Window layouts are designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi, for Liberation
// Sans at 8 points. Another font scales every position and size by its average character width
// and height against that one, so the captions keep the room they were drawn with.
class TwipsScale {
public:
    constexpr TwipsScale() = default;
    constexpr TwipsScale(double x, double y) : x_(x), y_(y) {}
    // The scale for `font` measured against Liberation Sans 8 pt on the same screen.
    static TwipsScale forFont(const QFont& font);
    // The scale for the application font: the one every window lays itself out with.
    static TwipsScale forApplication();

    constexpr int scaledX(int twips) const { return pixels(twips * x_); }
    constexpr int scaledY(int twips) const { return pixels(twips * y_); }
    constexpr QRect rect(int left, int top, int width, int height) const {
        return {scaledX(left), scaledY(top), scaledX(width), scaledY(height)};
    }
    constexpr QSize size(int width, int height) const { return {scaledX(width), scaledY(height)}; }
    constexpr double x() const { return x_; }
    constexpr double y() const { return y_; }

private:
    static constexpr int pixels(double twips) { return static_cast<int>(twips / 15.0 + 0.5); }

    double x_ = 1.0;
    double y_ = 1.0;
};

// The fonts the windows are drawn with: the layout's own (Liberation Sans 8 pt) and the one the
// program uses, which is the desktop's where the desktop sets one.
QFont LayoutFont();
QFont ApplicationFont(const QFont& platformFont);

}  // namespace kivra
