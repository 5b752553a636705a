// The same bytes as a Zone.Identifier stream, as each attribute, and as an address.
#include <QString>
#include <cstdlib>

#include "core/file_origin.h"

static void check(bool condition) {
    if (!condition) std::abort();
}

static bool shownAsIs(const QString& text) {
    for (const QChar c : text)
        if (c.isSpace() || c.category() == QChar::Other_Control) return false;
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kivra::FileOrigin zone = kivra::ParseZoneIdentifier(bytes);
    check(shownAsIs(zone.address) && shownAsIs(zone.referrer));
    const kivra::FileOrigin origin = kivra::DecodeOrigin({bytes, bytes, bytes, bytes});
    check(shownAsIs(origin.address) && shownAsIs(origin.referrer));
    for (const QChar c : origin.comment) check(c.category() != QChar::Other_Control);
    const QString address = kivra::CleanAddress(QString::fromUtf8(bytes));
    check(kivra::CleanAddress(address) == address);
    return 0;
}
