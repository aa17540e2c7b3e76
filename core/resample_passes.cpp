#include "core/resample_passes.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qm {
namespace {

constexpr int kRounding = 1 << (kWeightBits - 1);

std::uint8_t toByte(int accumulator) {
    return std::uint8_t(std::clamp((accumulator + kRounding) >> kWeightBits, 0, 255));
}

template <int Channels>
void horizontalPixel(const std::uint8_t* in, const std::int16_t* weights, int taps, std::uint8_t* out) {
    int sum[Channels] = {};
    for (int k = 0; k < taps; ++k)
        for (int c = 0; c < Channels; ++c) sum[c] += weights[k] * in[k * Channels + c];
    for (int c = 0; c < Channels; ++c) out[c] = toByte(sum[c]);
}

template <int Channels>
void horizontalScalar(const std::uint8_t* in, std::uint8_t* out, const Contributors& table, int from, int to) {
    for (int j = from; j < to; ++j)
        horizontalPixel<Channels>(in + std::ptrdiff_t(table.start[std::size_t(j)]) * Channels, table.weightsOf(j),
                                  table.taps, out + std::ptrdiff_t(j) * Channels);
}

#if defined(__SSE2__)

// Two neighbouring weights as the pair that _mm_madd_epi16 multiplies.
__m128i weightPair(const std::int16_t* weights, int k, int taps) {
    const int second = k + 1 < taps ? weights[k + 1] : 0;
    return _mm_set1_epi32(int(std::uint16_t(weights[k])) | (second << 16));
}

// RGB pixels whose window, read 8 bytes at a time, stays inside the row.
void horizontalRgbSse2(const std::uint8_t* in, std::uint8_t* out, const Contributors& table, int count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i rounding = _mm_set1_epi32(kRounding);
    const int taps = table.taps;
    for (int j = 0; j < count; ++j) {
        const std::uint8_t* pixel = in + std::ptrdiff_t(table.start[std::size_t(j)]) * 3;
        const std::int16_t* weights = table.weightsOf(j);
        __m128i sum = rounding;
        for (int k = 0; k < taps; k += 2, pixel += 6) {
            // r0 g0 b0 r1 g1 b1 .. as 16-bit, paired up as r0 r1 g0 g1 b0 b1.
            const __m128i wide = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixel)), zero);
            const __m128i pairs = _mm_unpacklo_epi16(wide, _mm_srli_si128(wide, 6));
            sum = _mm_add_epi32(sum, _mm_madd_epi16(pairs, weightPair(weights, k, taps)));
        }
        sum = _mm_srai_epi32(sum, kWeightBits);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(sum, sum), zero);
        // Four bytes written, the fourth overwritten by the next pixel.
        const int value = _mm_cvtsi128_si32(bytes);
        std::memcpy(out + std::ptrdiff_t(j) * 3, &value, 4);
    }
}

#endif

}  // namespace

void horizontalPass(const std::uint8_t* in, int inWidth, std::uint8_t* out, const Contributors& table, int channels) {
    const int outWidth = int(table.start.size());
    if (channels == 1) {
        horizontalScalar<1>(in, out, table, 0, outWidth);
        return;
    }
    int fast = 0;
#if defined(__SSE2__)
    // The vector loop reads up to 8 bytes from the start of each pair of
    // taps and writes 4 bytes per pixel; the pixels near the end of either
    // row are left to the plain loop.
    const int lastSafeStart = inWidth - table.taps - 2 - (table.taps & 1);
    while (fast < outWidth - 1 && table.start[std::size_t(fast)] <= lastSafeStart) ++fast;
    horizontalRgbSse2(in, out, table, fast);
#endif
    horizontalScalar<3>(in, out, table, fast, outWidth);
}

void verticalPass(const std::uint8_t* const* rows, const std::int16_t* weights, int taps, std::uint8_t* out,
                  int bytes) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i rounding = _mm_set1_epi32(kRounding);
    for (; x + 16 <= bytes; x += 16) {
        __m128i sum0 = rounding, sum1 = rounding, sum2 = rounding, sum3 = rounding;
        for (int k = 0; k < taps; k += 2) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + x));
            const __m128i b =
                k + 1 < taps ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k + 1] + x)) : zero;
            const __m128i pair = weightPair(weights, k, taps);
            const __m128i low = _mm_unpacklo_epi8(a, b), high = _mm_unpackhi_epi8(a, b);
            sum0 = _mm_add_epi32(sum0, _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), pair));
            sum1 = _mm_add_epi32(sum1, _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), pair));
            sum2 = _mm_add_epi32(sum2, _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), pair));
            sum3 = _mm_add_epi32(sum3, _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), pair));
        }
        const __m128i low = _mm_packs_epi32(_mm_srai_epi32(sum0, kWeightBits), _mm_srai_epi32(sum1, kWeightBits));
        const __m128i high = _mm_packs_epi32(_mm_srai_epi32(sum2, kWeightBits), _mm_srai_epi32(sum3, kWeightBits));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(low, high));
    }
#endif
    for (; x < bytes; ++x) {
        int sum = 0;
        for (int k = 0; k < taps; ++k) sum += weights[k] * rows[k][x];
        out[x] = toByte(sum);
    }
}

}  // namespace qm
