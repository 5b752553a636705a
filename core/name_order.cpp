#include "core/name_order.h"

#include <algorithm>
#include <string>
#include <vector>

namespace kivra {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The key's first sixteen characters, each capped at 0xFF, packed into two integers: comparing
// them orders most names without touching the keys, and never contradicts the keys' order.
struct Packed {
    quint64 high = 0, low = 0;
    qsizetype index = 0;
};

Packed pack(QStringView key, qsizetype index) {
    Packed packed{0, 0, index};
    for (int i = 0; i < 16; ++i) {
        const quint64 byte = i < key.size() ? std::min<char16_t>(key[i].unicode(), 0xFF) : 0;
        (i < 8 ? packed.high : packed.low) |= byte << (8 * (7 - i % 8));
    }
    return packed;
}

// Appends the key NameOrder compares: names with equal keys differ only in case, accents or
// leading zeros. Into a plain buffer, ASCII lowered in place: a hundred thousand names make
// over a million characters, and a call for each of them showed in the file list's time.
void appendSortKey(const QString& name, std::u16string& key) {
    const qsizetype size = name.size();
    const char16_t* const text = reinterpret_cast<const char16_t*>(name.constData());
    for (qsizetype i = 0; i < size;) {
        const char16_t c = text[i];
        if (isDigit(c)) {
            // A run of digits: a mark that sorts before letters, its length without leading
            // zeros, then its digits; so numbers compare by value.
            const qsizetype start = i;
            while (i < size && isDigit(text[i])) ++i;
            qsizetype first = start;
            while (first < i - 1 && text[first] == u'0') ++first;
            key += u'0';
            key += char16_t(u'0' + std::min<qsizetype>(i - first, 0xFF - u'0'));
            key.append(text + first, i - first);
            continue;
        }
        ++i;
        if (c < 0x80) {
            key += c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        } else if (const QChar q(c); !q.isMark()) {
            const QString parts = q.decomposition();
            const bool accented = !parts.isEmpty() && q.decompositionTag() == QChar::Canonical;
            key += (accented ? parts[0] : q).toCaseFolded().unicode();
        }
    }
}

}  // namespace

QList<qsizetype> NameOrder(const QStringList& names) {
    // One key per name, made once, all in one buffer; most comparisons then settle on two
    // integers held in place.
    std::u16string keys;
    std::vector<qsizetype> starts;
    starts.reserve(names.size() + 1);
    qsizetype total = 0;
    for (const QString& name : names) total += name.size();
    keys.reserve(total + total / 4);
    for (const QString& name : names) {
        starts.push_back(keys.size());
        appendSortKey(name, keys);
    }
    starts.push_back(keys.size());
    const auto key = [&](qsizetype i) {
        return QStringView(keys.data() + starts[i], starts[i + 1] - starts[i]);
    };
    std::vector<Packed> packed;
    packed.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) packed.push_back(pack(key(i), i));
    std::sort(packed.begin(), packed.end(), [&](const Packed& a, const Packed& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        const int c = key(a.index).compare(key(b.index));
        return c != 0 ? c < 0 : names[a.index] < names[b.index];
    });
    QList<qsizetype> order;
    order.reserve(names.size());
    for (const Packed& p : packed) order.append(p.index);
    return order;
}

}  // namespace kivra
