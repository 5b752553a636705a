#include "core/byte_scan.h"

#include <cstring>

namespace kivra {

namespace {

#if defined(__SSE2__)
__m128i load(const void* at) { return _mm_loadu_si128(static_cast<const __m128i*>(at)); }
#endif

bool equalLowered(const char* text, const char* word, qsizetype size) {
    for (qsizetype i = 0; i < size; ++i)
        if (kLowerCaseByte[uchar(text[i])] != uchar(word[i])) return false;
    return true;
}

bool plainInRtf(uchar c) { return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}'; }

}  // namespace

bool IsAscii(QByteArrayView bytes) {
    const auto* const data = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    // Logs are mostly ASCII paths and text: sixty-four bytes a round, else eight.
#if defined(__SSE2__)
    for (; i + 64 <= size; i += 64) {
        const __m128i any = _mm_or_si128(_mm_or_si128(load(data + i), load(data + i + 16)),
                                         _mm_or_si128(load(data + i + 32), load(data + i + 48)));
        if (_mm_movemask_epi8(any)) return false;
    }
#endif
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        if (word & 0x8080808080808080ULL) return false;
    }
    unsigned char any = 0;
    for (; i < size; ++i) any |= data[i];
    return (any & 0x80) == 0;
}

qsizetype CountLineEnds(QByteArrayView bytes) {
    const auto* const p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype count = 0, i = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    while (i + 17 <= size) {
        // Each byte of `ends` counts up to 255 line ends before they are summed.
        __m128i ends = _mm_setzero_si128();
        for (int round = 0; round < 255 && i + 17 <= size; ++round, i += 16) {
            const __m128i here = load(p + i);
            const __m128i next = load(p + i + 1);
            ends = _mm_sub_epi8(ends, _mm_or_si128(_mm_cmpeq_epi8(here, lf),
                                                   _mm_andnot_si128(_mm_cmpeq_epi8(next, lf),
                                                                    _mm_cmpeq_epi8(here, cr))));
        }
        const __m128i sums = _mm_sad_epu8(ends, _mm_setzero_si128());
        count += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums));
    }
#endif
    for (; i < size; ++i)
        count += p[i] == '\n' || (p[i] == '\r' && (i + 1 == size || p[i + 1] != '\n'));
    return count;
}

qsizetype FindLowered(QByteArrayView text, QByteArrayView word) {
    const qsizetype n = word.size();
    if (n == 0) return 0;
    const char* const p = text.data();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen places at a time are tried by the word's first and last byte. OR 0x20 turns 'A'
    // into 'a' and nothing else into a lower-case letter.
    const auto caseBit = [](char c) { return char(c >= 'a' && c <= 'z' ? 0x20 : 0); };
    const __m128i first = _mm_set1_epi8(word[0]);
    const __m128i last = _mm_set1_epi8(word[n - 1]);
    const __m128i firstBit = _mm_set1_epi8(caseBit(word[0]));
    const __m128i lastBit = _mm_set1_epi8(caseBit(word[n - 1]));
    for (; i + n - 1 + 16 <= text.size(); i += 16) {
        const __m128i a = _mm_or_si128(load(p + i), firstBit);
        const __m128i b = _mm_or_si128(load(p + i + n - 1), lastBit);
        unsigned mask = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        for (; mask != 0; mask &= mask - 1) {
            const qsizetype at = i + std::countr_zero(mask);
            if (equalLowered(p + at, word.data(), n)) return at;
        }
    }
#endif
    for (; i + n <= text.size(); ++i)
        if (equalLowered(p + i, word.data(), n)) return i;
    return -1;
}

qsizetype CopyPlainRtf(QByteArrayView text, char* const out) {
    const auto* const p = reinterpret_cast<const uchar*>(text.data());
    const qsizetype size = text.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes stored as they are, then kept up to the first that is not plain: `out` has
    // room for them.
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = load(p + i);
        const auto is = [&bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
        const __m128i escaped = _mm_or_si128(
            _mm_or_si128(_mm_or_si128(is('\\'), is('{')), _mm_or_si128(is('}'), is(0x7F))),
            _mm_cmplt_epi8(bytes, _mm_set1_epi8(0x20)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), bytes);
        if (const unsigned mask = unsigned(_mm_movemask_epi8(escaped)))
            return i + std::countr_zero(mask);
    }
#endif
    for (; i < size && plainInRtf(p[i]); ++i) out[i] = char(p[i]);
    return i;
}

}  // namespace kivra
