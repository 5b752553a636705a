#include "widgets/readable_grey.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <cmath>

namespace kivra::widgets {

namespace {

double Luminance(const QColor& colour) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

class PlaceholderGuard : public QObject {
public:
    explicit PlaceholderGuard(QLineEdit* edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == edit_ && (event->type() == QEvent::PaletteChange ||
                                 event->type() == QEvent::ApplicationPaletteChange))
            follow();
        return false;
    }

private:
    void follow() {
        const QPalette palette = edit_->palette();
        // The theme's own grey, not the one set here for an earlier palette.
        const QPalette theme = QApplication::palette(edit_);
        // Only the placeholder is the box's own; the rest follows the theme.
        QPalette own;
        own.setResolveMask(0);
        bool changed = false;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            const QColor grey = ReadableGrey(theme.color(group, QPalette::PlaceholderText),
                                             palette.color(group, QPalette::Base),
                                             palette.color(group, QPalette::Text));
            own.setColor(group, QPalette::PlaceholderText, grey);
            changed = changed || grey != palette.color(group, QPalette::PlaceholderText);
        }
        // Set only when it differs: setting it raises the change this follows.
        if (changed) edit_->setPalette(own);
    }

    QLineEdit* edit_;
};

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor ReadableGrey(const QColor& placeholder, const QColor& background, const QColor& text) {
    const QColor grey = Mix(background, placeholder, placeholder.alphaF());
    for (int step = 0; step < 20; ++step) {
        const QColor candidate = Mix(grey, text, step / 20.0);
        if (ContrastRatio(candidate, background) >= 4.5) return candidate;
    }
    return text;
}

void KeepPlaceholderReadable(QLineEdit* edit) { new PlaceholderGuard(edit); }

}  // namespace kivra::widgets
