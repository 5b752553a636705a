// The same bytes as a Zone.Identifier stream, as each attribute, and as an address; each text
// shown, and the bytes themselves, as a tooltip.
#include <QRegularExpression>

#include "core/file_origin.h"
#include "core/plain_tip.h"
#include "fuzz_check.h"

namespace {

// The text a tooltip made by PlainTip shows: only its own tags, each character as it was.
void checkTip(const QString& text) {
    QString tip = kivra::PlainTip(text);
    check(tip.isEmpty() == text.isEmpty());
    if (text.isEmpty()) return;
    tip =
        tip.sliced(27, tip.size() - 31).replace(QLatin1StringView("<br>"), QLatin1StringView("\n"));
    check(!tip.contains(u'<') && !tip.contains(u'>'));
    check(tip.replace("&lt;", "<")
              .replace("&gt;", ">")
              .replace("&quot;", "\"")
              .replace("&amp;", "&") == text);
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
    checkTip(QString::fromUtf8(bytes));
    return 0;
}
