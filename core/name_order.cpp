#include "core/name_order.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "core/byte_scan.h"
#include "core/name_decoding.h"
#include "core/text_fold.h"
#include "platform/large_pages.h"

namespace kivra {

namespace {

template <typename Char>
bool isDigit(Char c) {
    return c >= '0' && c <= '9';
}

// The key's first twelve units packed into two integers beside the name's index: comparing
// them orders most names without the keys, and never contradicts the keys' order. From the first
// unit past 0xFE on every byte is 0xFF: what decides between two such keys lies further on.
// Sixteen bytes a name, for the hundred thousand of a large folder.
struct Packed {
    quint64 high = 0;
    quint32 low = 0, index = 0;
};
constexpr int kPacked = 12;

Packed pack(const char16_t* key, qsizetype size, quint32 index) {
    char16_t first[kPacked] = {};
    std::copy_n(key, std::min<qsizetype>(size, kPacked), first);
    bool capped = false;
    for (char16_t& unit : first) unit = (capped = capped || unit >= 0xFF) ? 0xFF : unit;
    quint64 high = 0;
    quint32 low = 0;
    for (int i = 0; i < 8; ++i) high = high << 8 | first[i];
    for (int i = 8; i < kPacked; ++i) low = low << 8 | first[i];
    return {high, low, index};
}

using PackedNames = std::vector<Packed, platform::LargePages<Packed>>;

// Puts `packed` in the order of their two integers, stably. A folder's names are sorted a byte at
// a time from the last, in passes over the array that skip a byte all names share ("file" in
// "file00001.txt"); a few are compared.
void sortPacked(PackedNames& packed) {
    const size_t count = packed.size();
    if (count < 4096) {
        std::stable_sort(packed.begin(), packed.end(), [](const Packed& a, const Packed& b) {
            return a.high != b.high ? a.high < b.high : a.low < b.low;
        });
        return;
    }
    constexpr int kBytes = 12;
    const auto byteOf = [](const Packed& p, int pass) {
        return pass < 4 ? (p.low >> (8 * pass)) & 0xFF : (p.high >> (8 * (pass - 4))) & 0xFF;
    };
    std::array<std::array<quint32, 256>, kBytes> places{};
    for (const Packed& p : packed)
        for (int pass = 0; pass < kBytes; ++pass) ++places[pass][byteOf(p, pass)];
    PackedNames other(count);
    for (int pass = 0; pass < kBytes; ++pass) {
        std::array<quint32, 256>& place = places[pass];
        if (place[byteOf(packed.front(), pass)] == count) continue;
        quint32 start = 0;
        for (quint32& at : place) start += std::exchange(at, start);
        for (const Packed& p : packed) other[place[byteOf(p, pass)]++] = p;
        packed.swap(other);
    }
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

// Writes the key of `name` at `out` (room for three units a byte) and returns its end.
char16_t* writeKeyOf(QByteArrayView name, char16_t* out) {
    if (IsAscii(name)) return writeSortKey(name.data(), name.size(), out);
    const QString decoded = DecodeName(name);
    return writeSortKey(reinterpret_cast<const char16_t*>(decoded.constData()), decoded.size(),
                        out);
}

}  // namespace

std::vector<quint32> NameOrder(qsizetype count,
                               const std::function<QByteArrayView(qsizetype)>& nameAt) {
    // Only the packed start of each key is kept; whole keys are made again for the few runs whose
    // starts agree. A large folder's names are then sorted in little more memory than their
    // indices take.
    PackedNames packed;
    packed.reserve(count);
    std::vector<char16_t> key;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArrayView name = nameAt(i);
        if (qsizetype(key.size()) < 3 * name.size()) key.resize(3 * name.size());
        packed.push_back(pack(key.data(), writeKeyOf(name, key.data()) - key.data(), quint32(i)));
    }
    sortPacked(packed);
    // Exact ties are rare (names that differ only in case, accents or leading zeros): decoded
    // only then.
    struct Tied {
        QStringView key;
        quint32 index;
    };
    const auto less = [&](const Tied& a, const Tied& b) {
        if (const int c = a.key.compare(b.key); c != 0) return c < 0;
        const QByteArrayView x = nameAt(a.index), y = nameAt(b.index);
        if (IsAscii(x) && IsAscii(y)) return asciiTieLess(x, y);
        // Two names can read alike ("\xE9" and UTF-8 "é"): their bytes keep them in one order.
        const QString u = DecodeName(x), v = DecodeName(y);
        return u != v ? TieLess(u, v) : x.compare(y) < 0;
    };
    std::vector<Tied> tied;
    for (auto run = packed.begin(); run != packed.end();) {
        auto end = run + 1;
        while (end != packed.end() && end->high == run->high && end->low == run->low) ++end;
        if (end - run > 1) {
            qsizetype room = 0;
            for (auto p = run; p != end; ++p) room += 3 * nameAt(p->index).size();
            key.resize(std::max<qsizetype>(room, qsizetype(key.size())));
            tied.clear();
            char16_t* out = key.data();
            for (auto p = run; p != end; ++p) {
                char16_t* const keyEnd = writeKeyOf(nameAt(p->index), out);
                tied.push_back({QStringView(out, keyEnd - out), p->index});
                out = keyEnd;
            }
            std::sort(tied.begin(), tied.end(), less);
            for (auto p = run; const Tied& t : tied) (p++)->index = t.index;
        }
        run = end;
    }
    std::vector<quint32> order;
    order.reserve(count);
    for (const Packed& p : packed) order.push_back(p.index);
    return order;
}

QList<qsizetype> NameOrder(QByteArrayView bytes, const std::vector<qsizetype>& ends) {
    const std::vector<quint32> order =
        NameOrder(qsizetype(ends.size()), [&](qsizetype i) { return NameAt(bytes, ends, i); });
    return QList<qsizetype>(order.begin(), order.end());
}

}  // namespace kivra
