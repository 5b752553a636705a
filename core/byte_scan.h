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

bool IsAscii(QByteArrayView bytes);

// Writes ASCII `bytes` at `out` as UTF-16, one unit a byte; false, with `out` partly written,
// where a byte is not ASCII.
bool WidenAscii(QByteArrayView bytes, char16_t* out);

// The first CR or LF from `p` on, or `end`.
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
qsizetype CountLineEnds(QByteArrayView bytes);

// Where the first line end that is not CR LF shows in `bytes`, which begin a line: at a lone LF,
// just after a lone CR; the size when there is none. A CR last in `bytes` is taken as the first
// half of a CR LF.
qsizetype FirstLoneLineEnd(QByteArrayView bytes);

// Where `word` first occurs in `text`, the ASCII capitals of the text lowered as compared (the
// word is lowered already); -1 when nowhere.
qsizetype FindLowered(QByteArrayView text, QByteArrayView word);

// Copies the bytes at the start of `text` that RTF takes as they are (printable ASCII other than
// a backslash or a brace) to `out`, which has room for all of `text`; returns how many.
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
