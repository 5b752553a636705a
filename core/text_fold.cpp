#include "core/text_fold.h"

#include <QChar>
#include <QList>
#include <QString>
#include <algorithm>
#include <array>
#include <utility>

namespace kivra {

namespace {

// Letters whose stroke or bar is part of the character, so no decomposition takes it off; a
// reader takes each for its letter ("łódź" between "lato" and "mapa").
constexpr std::array<std::pair<char32_t, char32_t>, 18> kStroked = {{
    {0x00D8, 'o'},
    {0x00F8, 'o'},
    {0x0110, 'd'},
    {0x0111, 'd'},
    {0x0126, 'h'},
    {0x0127, 'h'},
    {0x0131, 'i'},
    {0x0141, 'l'},
    {0x0142, 'l'},
    {0x0166, 't'},
    {0x0167, 't'},
    {0x0180, 'b'},
    {0x01B5, 'z'},
    {0x01B6, 'z'},
    {0x01E4, 'g'},
    {0x01E5, 'g'},
    {0x0197, 'i'},
    {0x0268, 'i'},
}};

char32_t fold(char32_t c) {
    if (QChar::isMark(c)) return kFoldsAway;
    if (c < 0x300)
        for (const auto& [letter, base] : kStroked)
            if (c == letter) return base;
    while (QChar::decompositionTag(c) == QChar::Canonical) {
        const QList<uint> parts = QChar::decomposition(c).toUcs4();
        if (parts.isEmpty() ||
            !std::all_of(parts.begin() + 1, parts.end(), [](uint p) { return QChar::isMark(p); }))
            break;
        c = parts.front();
    }
    return QChar::toCaseFolded(c);
}

}  // namespace

char32_t FoldCharacter(char32_t c) {
    if (c < 0x80) return kLowerCaseByte[c];
    // Most letters of a log fall below U+3000; each is worked out once (per thread: a find folds
    // on two). Held plus one, so 0 is "not yet".
    thread_local std::array<char32_t, 0x3000> known{};
    if (c >= known.size()) return fold(c);
    if (known[c] == 0) known[c] = fold(c) + 1;
    return known[c] - 1;
}

// Qt's own normalisation takes quadratic time on a long line, hence character by character.
void AppendFolded(QStringView text, QByteArray& out) {
    QString folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isSurrogate(c)) {
            const bool pair =
                QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(0xFFFD);
            i += pair;
        }
        if (const char32_t f = FoldCharacter(c); f != kFoldsAway) folded += QChar::fromUcs4(f);
    }
    out += folded.toUtf8();
}

bool TieLess(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t ca = a[i].unicode(), cb = b[i].unicode();
        if (ca == cb) continue;
        const char16_t fa = ca < 0x80 ? kLowerCaseByte[ca] : QChar::toCaseFolded(ca);
        const char16_t fb = cb < 0x80 ? kLowerCaseByte[cb] : QChar::toCaseFolded(cb);
        if (fa != fb) return fa < fb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a.compare(b, Qt::CaseSensitive) < 0;
}

}  // namespace kivra
