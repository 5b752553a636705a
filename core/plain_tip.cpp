#include "core/plain_tip.h"

namespace kivra {

QString PlainTip(QStringView text) {
    if (text.isEmpty()) return {};
    QString escaped = text.toString().toHtmlEscaped();
    escaped.replace(u'\n', QLatin1StringView("<br>"));
    return QLatin1StringView("<p style='white-space:pre'>") + escaped + QLatin1StringView("</p>");
}

}  // namespace kivra
