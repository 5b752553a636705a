#pragma once

#include <QColor>

class QLineEdit;

namespace kivra::widgets {

// WCAG's contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The theme's grey (`placeholder`, often the text colour half transparent, as it shows on
// `background`), drawn toward `text` until it reads at 4.5:1 or better against `background`
// (WCAG AA).
QColor ReadableGrey(const QColor& placeholder, const QColor& background, const QColor& text);

// Keeps `edit`'s placeholder text in the readable grey of its palette, light or dark, also when
// the palette changes.
void KeepPlaceholderReadable(QLineEdit* edit);

}  // namespace kivra::widgets
