// The same bytes as a Zone.Identifier stream, as each attribute, and as an address.
#include <QRegularExpression>

#include "core/file_origin.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kivra::FileOrigin zone = kivra::ParseZoneIdentifier(bytes);
    const kivra::FileOrigin origin = kivra::DecodeOrigin({bytes, bytes, bytes, bytes});
    static const QRegularExpression blank(QStringLiteral("[\\s\\p{Cc}]"));
    for (const QString& shown : {zone.address, zone.referrer, origin.address, origin.referrer})
        check(!shown.contains(blank));
    check(!origin.comment.contains(QRegularExpression(QStringLiteral("\\p{Cc}"))));
    const QString address = kivra::CleanAddress(QString::fromUtf8(bytes));
    check(kivra::CleanAddress(address) == address);
    return 0;
}
