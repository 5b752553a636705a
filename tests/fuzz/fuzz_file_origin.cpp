// The same bytes as a Zone.Identifier stream, as each attribute, and as an address; each text
// shown, and the bytes themselves, as a tooltip.
#include <QRegularExpression>

#include "core/file_origin.h"
#include "core/plain_tip.h"
#include "fuzz_check.h"

namespace {

// A tooltip made by PlainTip holds no tag but its own, whatever the text.
void checkTip(const QString& text) {
    const QString tip = kivra::PlainTip(text);
    QString inner = text.isEmpty() ? QString() : tip.sliced(27, tip.size() - 31);
    check(tip.isEmpty() == text.isEmpty() && inner.size() >= text.size() &&
          !inner.remove(QLatin1StringView("<br>")).contains(u'<'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kivra::FileOrigin zone = kivra::ParseZoneIdentifier(bytes);
    const kivra::FileOrigin origin = kivra::DecodeOrigin({bytes, bytes, bytes, bytes});
    static const QRegularExpression blank(QStringLiteral("[\\s\\p{Cc}]"));
    for (const QString& shown : {zone.address, zone.referrer, origin.address, origin.referrer})
        check(!shown.contains(blank)), checkTip(shown);
    check(!origin.comment.contains(QRegularExpression(QStringLiteral("\\p{Cc}"))));
    const QString address = kivra::CleanAddress(QString::fromUtf8(bytes));
    check(kivra::CleanAddress(address) == address);
    checkTip(QString::fromUtf8(bytes));
    return 0;
}
