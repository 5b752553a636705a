// The same bytes as a Zone.Identifier stream, as each attribute, and as an address; each text
// shown, and the bytes themselves, as a tooltip.
#include <QRegularExpression>

#include "core/file_origin.h"
#include "core/plain_tip.h"
#include "fuzz_check.h"

namespace {

// The text a tooltip made by PlainTip shows: only its own tags, each character as it was.
void checkTip(const QString& text) {
    const QString tip = kivra::PlainTip(text);
    if (text.isEmpty()) return check(tip.isEmpty());
    static const QString start = QStringLiteral("<p style='white-space:pre'>");
    check(tip.startsWith(start) && tip.endsWith(QLatin1StringView("</p>")));
    QString inner = tip.sliced(start.size(), tip.size() - start.size() - 4);
    inner.replace(QLatin1StringView("<br>"), QLatin1StringView("\n"));
    check(!inner.contains(u'<') && !inner.contains(u'>') && !inner.contains(u'"'));
    inner.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"))
        .replace(QLatin1StringView("&gt;"), QLatin1StringView(">"))
        .replace(QLatin1StringView("&quot;"), QLatin1StringView("\""))
        .replace(QLatin1StringView("&amp;"), QLatin1StringView("&"));
    check(inner == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kivra::FileOrigin zone = kivra::ParseZoneIdentifier(bytes);
    const kivra::FileOrigin origin = kivra::DecodeOrigin({bytes, bytes, bytes, bytes});
    static const QRegularExpression blank(QStringLiteral("[\\s\\p{Cc}]"));
    for (const QString& shown : {zone.address, zone.referrer, origin.address, origin.referrer}) {
        check(!shown.contains(blank));
        checkTip(shown);
    }
    check(!origin.comment.contains(QRegularExpression(QStringLiteral("\\p{Cc}"))));
    const QString address = kivra::CleanAddress(QString::fromUtf8(bytes));
    check(kivra::CleanAddress(address) == address);
    // No user and password left before the host, however the slashes run.
    static const QRegularExpression user(
        QStringLiteral("^(?i:https?|ftp|wss?):[/\\\\]*[^/\\\\?#]*@"));
    check(!address.contains(user));
    checkTip(QString::fromUtf8(bytes));
    return 0;
}
