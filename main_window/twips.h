#pragma once

#include <QRect>
#include <QSize>
#include <cmath>

namespace kivra {

// Window layouts are designed in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
constexpr int Twips(int twips) { return static_cast<int>(twips / 15.0 + 0.5); }

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

constexpr QSize TwipsSize(int width, int height) { return {Twips(width), Twips(height)}; }

}  // namespace kivra
