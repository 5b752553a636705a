// The bytes between slashes are names, any bytes at all. The order must be a permutation that
// depends on the names alone: the same names in reverse give the same list, and so do the names
// behind a common prefix, which moves every difference past the twelve characters compared
// first. The same bytes also pick names from letters of many scripts, without digits: those
// must come in the order of their folded texts, as View Current lists them.
#include <QByteArrayList>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/name_order.h"
#include "core/text_fold.h"
#include "fuzz_check.h"

static QByteArrayList ordered(const QByteArrayList& names, QByteArrayView prefix) {
    QByteArray bytes;
    std::vector<qsizetype> ends;
    for (const QByteArray& name : names) {
        bytes += prefix;
        ends.push_back((bytes += name).size());
    }
    // Exactly as large as the names, so ASan sees any read past them.
    std::vector<char> held(bytes.begin(), bytes.end());
    const QList<qsizetype> order = kivra::NameOrder(QByteArrayView(held.data(), held.size()), ends);
    std::vector<bool> seen(names.size());
    QByteArrayList sorted;
    for (const qsizetype i : order) {
        check(i >= 0 && i < names.size() && !seen[i]);
        seen[i] = true;
        sorted.append(names[i]);
    }
    check(sorted.size() == names.size());
    return sorted;
}

// Latin with accents and strokes (Polish, Vietnamese, Turkish), Greek, Cyrillic, CJK, Hangul, a
// mark, letters beyond U+FFFF.
static const std::u32string kLetters =
    U"aAzZ "
    U"._-ąĄćłŁńóśźżŻđĐăâêôơưạảấầẫệữỹıİşŞğĞçÇöüαΑβΣςωάέЁёабвБяЯжщ中文日本語山川하늘한글\u0301𝐀𝒜";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayList names =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('/');
    const QByteArrayList sorted = ordered(names, {});
    QByteArrayList reversed = names;
    std::reverse(reversed.begin(), reversed.end());
    check(ordered(reversed, {}) == sorted);
    check(ordered(names, "common prefix - ") == sorted);

    // Each byte a letter, every 64th the end of a name.
    QByteArrayList picked{{}};
    for (size_t i = 0; i < size; ++i) {
        if (data[i] % 64 == 63)
            picked.append(QByteArray());
        else
            picked.back() += QString::fromUcs4(&kLetters[data[i] % kLetters.size()], 1).toUtf8();
    }
    QByteArray previous;
    for (const QByteArray& name : ordered(picked, {})) {
        QByteArray folded;
        kivra::AppendFolded(QString::fromUtf8(name), folded);
        check(std::exchange(previous, folded) <= folded);
    }
    return 0;
}
