// Any bytes as the name of a link in /dev/disk/by-label; and the same bytes as a label, escaped
// as udev escapes it, must read back as they were.
#include <QString>

#include "fuzz_check.h"
#include "platform/mount_filter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray label(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = QString::fromUtf8(label);
    const QString read = kivra::platform::detail::UnescapeLabel(name);
    if (!label.contains('\\')) check(read == name);
    // udev keeps letters, digits, "#+-.:=@_" and whole UTF-8 characters; every other byte it
    // writes as "\x" and two hex digits.
    const bool utf8 = QByteArrayView(label).isValidUtf8();
    QByteArray escaped;
    for (const char c : label) {
        const bool kept = (uchar(c) < 0x80 && QChar::isLetterOrNumber(c)) ||
                          QByteArrayView("#+-.:=@_").contains(c) || (uchar(c) >= 0x80 && utf8);
        if (kept)
            escaped += c;
        else
            escaped += "\\x" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    }
    check(kivra::platform::detail::UnescapeLabel(QString::fromUtf8(escaped)) == name);
    return 0;
}
