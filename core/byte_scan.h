#pragma once

// The scans through a log's bytes that its size makes hot. Each takes sixteen bytes at a time
// where SSE2 is there; its plain loop finishes the rest and is all there is elsewhere.

#include <QByteArrayView>
#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>

#include <bit>
#endif

namespace kivra {

// Each byte with an ASCII capital letter lowered.
inline constexpr auto kLowerCaseByte = [] {
    std::array<uchar, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = uchar(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return table;
}();

// kLowerCaseByte on eight bytes at once.
constexpr quint64 LowerCaseEight(quint64 x) {
    constexpr quint64 kEach = 0x0101010101010101;
    // The top bit of a byte set where the byte is 'A' or above and not above 'Z'.
    const quint64 low = x & (0x7F * kEach);
    const quint64 capital =
        (low + (0x80 - 'A') * kEach) & ~(low + (0x7F - 'Z') * kEach) & ~x & (0x80 * kEach);
    return x | (capital >> 2);
}

// bench/run 'View Current, 1,000,000 entries' tests each line here: std::all_of is 3.2x slower.
bool IsAscii(QByteArrayView bytes);

// The first CR or LF from `p` on, or `end`.
// bench/run 'View Current, 1,000,000 entries' splits the log here: std::find_if takes 4.3x as long.
inline const char* FindLineEnd(const char* p, const char* const end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    const auto ends = [&](const char* at) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
    };
    for (; end - p >= 32; p += 32)
        if (const unsigned found = ends(p) | ends(p + 16) << 16) return p + std::countr_zero(found);
    for (; end - p >= 16; p += 16) {
        if (const unsigned found = ends(p)) return p + std::countr_zero(found);
    }
#endif
    while (p < end && *p != '\r' && *p != '\n') ++p;
    return p;
}

// The line ends in `bytes`: CR LF, lone CR and lone LF count one each.
// bench/run 'View Current, 1,000,000 entries' sizes its table here: std::count takes 30x as long.
qsizetype CountLineEnds(QByteArrayView bytes);

// Where `word` first occurs in `text`, the ASCII capitals of the text lowered as compared (the
// word is lowered already); -1 when nowhere.
// bench/run 'find, a word in 90%' needs it: 0.09x (target 0.1x); QLatin1StringView::indexOf 2.7x.
qsizetype FindLowered(QByteArrayView text, QByteArrayView word);

// Copies the bytes at the start of `text` that RTF takes as they are (printable ASCII other than
// a backslash or a brace) to `out`, which has room for all of `text`; returns how many.
// bench/run 'export RTF' needs it: with std::find_if_not the RTF takes 1.38x as long.
qsizetype CopyPlainRtf(QByteArrayView text, char* out);

// Asks for the memory at `p` ahead of its use, to read it or to write it.
inline void PrefetchToRead(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p, 0);
#else
    (void)p;
#endif
}
inline void PrefetchToWrite(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p, 1);
#else
    (void)p;
#endif
}

}  // namespace kivra
