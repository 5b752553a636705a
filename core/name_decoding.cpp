#include "core/name_decoding.h"

#include "core/byte_scan.h"

namespace kivra {

namespace {

// 0x80..0x9F in Windows-1252; its five unassigned bytes keep their C1 code points.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the valid UTF-8 sequence at `p`, or 0. Overlong forms, surrogates and code
// points past U+10FFFF are not valid.
int validSequence(const unsigned char* p, qsizetype left, char32_t& code) {
    const unsigned char lead = p[0];
    int length;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (left < length) return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

QString DecodeName(QByteArrayView bytes) {
    if (IsAscii(bytes)) return QString::fromLatin1(bytes);
    QString text;
    text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char byte = p[i];
        if (byte < 0x80) {
            text.append(QChar(byte));
            ++i;
            continue;
        }
        char32_t code = 0;
        if (const int length = validSequence(p + i, size - i, code)) {
            text.append(QChar::fromUcs4(code));
            i += length;
            continue;
        }
        text.append(QChar(byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte)));
        ++i;
    }
    return text;
}

}  // namespace kivra
