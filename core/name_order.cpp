#include "core/name_order.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "core/byte_scan.h"
#include "core/name_decoding.h"
#include "core/text_fold.h"

namespace kivra {

namespace {

template <typename Char>
bool isDigit(Char c) {
    return c >= '0' && c <= '9';
}

// The key's first sixteen characters packed into two integers: comparing them orders most names
// without touching the keys, and never contradicts the keys' order. From the first unit past 0xFE
// on every byte is 0xFF: what decides between two such keys may lie beyond the sixteen.
struct Packed {
    quint64 high = 0, low = 0;
    qsizetype index = 0;
};

Packed pack(const char16_t* key, qsizetype size, qsizetype index) {
    char16_t first[16] = {};
    std::copy_n(key, std::min<qsizetype>(size, 16), first);
    bool capped = false;
    for (char16_t& unit : first) unit = (capped = capped || unit >= 0xFF) ? 0xFF : unit;
    quint64 high = 0, low = 0;
    for (int i = 0; i < 8; ++i) {
        high = high << 8 | first[i];
        low = low << 8 | first[i + 8];
    }
    return {high, low, index};
}

// A key's unit such that units compare as the code points they write: those from U+E000 on
// go below the surrogates, which write the code points beyond U+FFFF.
char16_t inCodePointOrder(char16_t unit) {
    if (unit >= 0xE000) return char16_t(unit - 0x800);
    return unit >= 0xD800 ? char16_t(unit + 0x2000) : unit;
}

// Writes the key NameOrder compares at `out` and returns its end: the name folded (see
// core/text_fold.h), so names with equal keys differ only in case, accents or leading zeros. At
// most three units a character of the name (a digit alone becomes three). `Char` is char only
// for ASCII names.
template <typename Char>
char16_t* writeSortKey(const Char* text, qsizetype size, char16_t* out) {
    for (qsizetype i = 0; i < size;) {
        const char16_t c = text[i];
        if (isDigit(c)) {
            // A run of digits: a mark that sorts before letters, its length without leading
            // zeros, then its digits; so numbers compare by value.
            const qsizetype start = i;
            while (i < size && isDigit(text[i])) ++i;
            qsizetype first = start;
            while (first < i - 1 && text[first] == '0') ++first;
            *out++ = u'0';
            *out++ = char16_t(u'0' + std::min<qsizetype>(i - first, 0xFF - u'0'));
            out = std::copy(text + first, text + i, out);
            continue;
        }
        ++i;
        if (c < 0x80) {
            *out++ = kLowerCaseByte[c];
            continue;
        }
        char32_t code = c;
        if (QChar::isHighSurrogate(c) && i < size && QChar::isLowSurrogate(char16_t(text[i])))
            code = QChar::surrogateToUcs4(c, char16_t(text[i++]));
        const char32_t folded = FoldCharacter(code);
        if (folded == kFoldsAway) continue;
        if (QChar::requiresSurrogates(folded)) {
            *out++ = inCodePointOrder(QChar::highSurrogate(folded));
            *out++ = inCodePointOrder(QChar::lowSurrogate(folded));
        } else {
            *out++ = inCodePointOrder(char16_t(folded));
        }
    }
    return out;
}

// TieLess for two ASCII names, from their bytes.
bool asciiTieLess(QByteArrayView x, QByteArrayView y) {
    const auto lowerLess = [](char a, char b) {
        return kLowerCaseByte[uchar(a)] < kLowerCaseByte[uchar(b)];
    };
    if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), lowerLess))
        return true;
    if (std::lexicographical_compare(y.begin(), y.end(), x.begin(), x.end(), lowerLess))
        return false;
    return x.compare(y) < 0;
}

}  // namespace

QList<qsizetype> NameOrder(QByteArrayView bytes, const std::vector<qsizetype>& ends) {
    const qsizetype count = qsizetype(ends.size());
    // One key per name, made once, all in one buffer (a decoded name has no more characters than
    // bytes); most comparisons then settle on two integers held in place.
    const auto keys = std::make_unique_for_overwrite<char16_t[]>(3 * bytes.size());
    std::vector<qsizetype> starts{0};
    std::vector<Packed> packed;
    starts.reserve(count + 1);
    packed.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArrayView n = NameAt(bytes, ends, i);
        char16_t* const out = keys.get() + starts.back();
        char16_t* end;
        if (IsAscii(n)) {
            end = writeSortKey(n.data(), n.size(), out);
        } else {
            const QString decoded = DecodeName(n);
            end = writeSortKey(reinterpret_cast<const char16_t*>(decoded.constData()),
                               decoded.size(), out);
        }
        packed.push_back(pack(out, end - out, i));
        starts.push_back(end - keys.get());
    }
    std::sort(packed.begin(), packed.end(), [](const Packed& a, const Packed& b) {
        return a.high != b.high ? a.high < b.high : a.low < b.low;
    });
    // Runs whose first sixteen characters agree are put in order by their whole keys. Exact ties
    // are rare (names that differ only in case, accents or leading zeros): decoded only then.
    const auto key = [&](qsizetype i) {
        return QStringView(keys.get() + starts[i], starts[i + 1] - starts[i]);
    };
    const auto less = [&](const Packed& a, const Packed& b) {
        if (const int c = key(a.index).compare(key(b.index)); c != 0) return c < 0;
        const QByteArrayView x = NameAt(bytes, ends, a.index), y = NameAt(bytes, ends, b.index);
        if (IsAscii(x) && IsAscii(y)) return asciiTieLess(x, y);
        // Two names can read alike ("\xE9" and UTF-8 "é"): their bytes keep them in one order.
        const QString u = DecodeName(x), v = DecodeName(y);
        return u != v ? TieLess(u, v) : x.compare(y) < 0;
    };
    for (auto run = packed.begin(); run != packed.end();) {
        auto end = run + 1;
        while (end != packed.end() && end->high == run->high && end->low == run->low) ++end;
        if (end - run > 1) std::sort(run, end, less);
        run = end;
    }
    QList<qsizetype> order;
    order.reserve(count);
    for (const Packed& p : packed) order.append(p.index);
    return order;
}

}  // namespace kivra
