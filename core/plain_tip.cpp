#include "core/plain_tip.h"

namespace kivra {

QString PlainTip(QStringView text) {
    if (text.isEmpty()) return {};
    QString tip = QStringLiteral("<p style='white-space:pre'>");
    tip.reserve(tip.size() + text.size() + text.size() / 8 + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '<':
                tip += QLatin1StringView("&lt;");
                break;
            case '>':
                tip += QLatin1StringView("&gt;");
                break;
            case '&':
                tip += QLatin1StringView("&amp;");
                break;
            case '"':
                tip += QLatin1StringView("&quot;");
                break;
            case '\n':
                tip += QLatin1StringView("<br>");
                break;
            default:
                tip += c;
        }
    }
    return tip + QLatin1StringView("</p>");
}

}  // namespace kivra
