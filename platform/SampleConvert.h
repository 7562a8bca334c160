#pragma once
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The one way a computed value becomes a sample: NaN gives 0, anything else is
// truncated toward zero into 64 bits (saturating) and keeps its low 16 bits, so
// values out of range wrap around as the sound engine expects.
inline int16_t ToSample(double value)
{
    if (!(value == value))
        return 0;
    int64_t whole;
    if (value >= 9223372036854775807.0)
        whole = INT64_MAX;
    else if (value <= -9223372036854775808.0)
        whole = INT64_MIN;
    else
        whole = static_cast<int64_t>(value);
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint64_t>(whole) & 0xFFFFu));
}

// The fast path to the same samples: values inside the 32-bit range are
// converted with the processor's 32-bit truncation (packed, several at a time,
// where the loop allows) and keep their low 16 bits, which are ToSample's.
// Values are known to be inside the range in two ways: derived from the
// operation (ToSampleInRange), or seen in the conversion itself: the processor
// gives 0x80000000 for NaN and for anything outside the range, and only such a
// result (which -2^31 itself gives too) goes the general way (ToSampleFast,
// ToSamples). Either gives the same sample as ToSample for every input.

// ToSample for a value that may be anything.
inline int16_t ToSampleFast(double value)
{
#if defined(__SSE2__)
    const int32_t whole = _mm_cvttsd_si32(_mm_set_sd(value));
    if (whole != INT32_MIN)
        return static_cast<int16_t>(whole);
#endif
    return ToSample(value);
}

// ToSample for a value the caller knows to be a number strictly inside the
// 32-bit range (derived from the operation: a sample times a factor below
// 32768, a filter of samples that cannot grow): a plain conversion the
// compiler can vectorise.
inline int16_t ToSampleInRange(double value)
{
    return static_cast<int16_t>(static_cast<int32_t>(value));
}

// out[i] = ToSample(values[i]) for i < n, eight at a time with packed
// instructions; a group of eight holding a value that needs the general way
// is done again one by one.
inline void ToSamples(const double* values, int16_t* out, size_t n)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i indefinite = _mm_set1_epi32(INT32_MIN);
    for (; i + 8 <= n; i += 8) {
        const double* v = values + i;
        const __m128i a = _mm_unpacklo_epi64(_mm_cvttpd_epi32(_mm_loadu_pd(v)), _mm_cvttpd_epi32(_mm_loadu_pd(v + 2)));
        const __m128i b =
            _mm_unpacklo_epi64(_mm_cvttpd_epi32(_mm_loadu_pd(v + 4)), _mm_cvttpd_epi32(_mm_loadu_pd(v + 6)));
        const __m128i odd = _mm_or_si128(_mm_cmpeq_epi32(a, indefinite), _mm_cmpeq_epi32(b, indefinite));
        if (_mm_movemask_epi8(odd) != 0) {
            for (size_t k = i; k < i + 8; ++k)
                out[k] = ToSampleFast(values[k]);
            continue;
        }
        // The low 16 bits of each, sign-extended, so that the saturating pack keeps them as they are.
        const __m128i lowA = _mm_srai_epi32(_mm_slli_epi32(a, 16), 16);
        const __m128i lowB = _mm_srai_epi32(_mm_slli_epi32(b, 16), 16);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packs_epi32(lowA, lowB));
    }
#endif
    for (; i < n; ++i)
        out[i] = ToSampleFast(values[i]);
}

// Truncation toward zero into a 32-bit integer for positions, pixels and cells,
// saturating instead of undefined behaviour; NaN gives 0.
inline int32_t ToInt32(double value)
{
    if (!(value == value))
        return 0;
    if (value >= 2147483647.0)
        return INT32_MAX;
    if (value <= -2147483648.0)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}
