#include "widgets/twips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

namespace kivra {

namespace {

// How much wider `wanted` sets text than `layout`. Captions are mostly lower case, whose widths
// differ more between families than the capitals' do; the widest of the measures wins. The
// tightest captions themselves are measured too: their narrow letters and colons take a whole
// cell in a monospaced font, far more than the alphabet says.
double WidthRatio(const QFontMetricsF& wanted, const QFontMetricsF& layout) {
    static const QString lower = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    static const QString letters = lower + lower.toUpper();
    static const QString captions[] = {QStringLiteral("File/Path:"),
                                       QStringLiteral("Description:")};
    double ratio = qMax(wanted.horizontalAdvance(lower) / layout.horizontalAdvance(lower),
                        wanted.horizontalAdvance(letters) / layout.horizontalAdvance(letters));
    for (const QString& caption : captions)
        ratio = qMax(ratio, wanted.horizontalAdvance(caption) / layout.horizontalAdvance(caption));
    return ratio;
}

}  // namespace

QFont LayoutFont() {
    // Liberation Sans has the metrics of the fonts the layouts were drawn with; DejaVu Sans,
    // a little wider, is the fallback.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont ApplicationFont(const QFont& platformFont) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return platformFont;
#else
    // Without a desktop that names a font, Qt falls back to a generic "Sans Serif" at 9 points;
    // the layout's own font is the better choice then.
    const bool desktopSetsNone =
        platformFont.family() == QLatin1String("Sans Serif") && platformFont.pointSizeF() == 9.0;
    return desktopSetsNone ? LayoutFont() : platformFont;
#endif
}

TwipsScale TwipsScale::forFont(const QFont& font) {
    // The twips were drawn at 96 dpi; a denser screen makes the same points more pixels.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() / 96.0 : 1.0;
    double x = dpi;
    double y = dpi;
    // The layout's own font is its own measure: no text shaped for it at start-up.
    if (const QFont layoutFont = LayoutFont(); font != layoutFont) {
        const QFontMetricsF wanted(font);
        const QFontMetricsF layout(layoutFont);
        x *= WidthRatio(wanted, layout);
        y *= wanted.height() / layout.height();
    }
    // Within a rounding error of the layout's font: exactly the design's pixels.
    const auto snap = [](double factor) { return qAbs(factor - 1.0) < 0.01 ? 1.0 : factor; };
    return {snap(x), snap(y)};
}

TwipsScale TwipsScale::forApplication() { return forFont(QGuiApplication::font()); }

}  // namespace kivra
