#include "core/resample_passes.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QM_HAVE_AVX2_PATH 1
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

// RGB pixels from..to-1, whose windows, read 8 bytes at a time, stay inside
// the row.
void horizontalRgbSse2(const std::uint8_t* in, std::uint8_t* out, const Contributors& table, int from, int to) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i rounding = _mm_set1_epi32(kRounding);
    for (int j = from; j < to; ++j) {
        const std::uint8_t* pixel = in + std::ptrdiff_t(table.start[std::size_t(j)]) * 3;
        const std::int32_t* pairs = table.pairsOf(j);
        __m128i sum = rounding;
        for (int m = 0; m < table.pairCount; ++m, pixel += 6) {
            // r0 g0 b0 r1 g1 b1 .. as 16-bit, paired up as r0 r1 g0 g1 b0 b1.
            const __m128i wide = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixel)), zero);
            const __m128i paired = _mm_unpacklo_epi16(wide, _mm_srli_si128(wide, 6));
            sum = _mm_add_epi32(sum, _mm_madd_epi16(paired, _mm_set1_epi32(pairs[m])));
        }
        sum = _mm_srai_epi32(sum, kWeightBits);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(sum, sum), zero);
        // Four bytes written, the fourth overwritten by the next pixel.
        const int value = _mm_cvtsi128_si32(bytes);
        std::memcpy(out + std::ptrdiff_t(j) * 3, &value, 4);
    }
}

#endif

#if QM_HAVE_AVX2_PATH

// Two RGB pixels at once, one in each 128-bit half, each half doing what the
// SSE2 loop does. Returns how many pixels it did.
__attribute__((target("avx2"))) int horizontalRgbAvx2(const std::uint8_t* in, std::uint8_t* out,
                                                      const Contributors& table, int count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i rounding = _mm256_set1_epi32(kRounding);
    int j = 0;
    for (; j + 1 < count; j += 2) {
        const std::uint8_t* first = in + std::ptrdiff_t(table.start[std::size_t(j)]) * 3;
        const std::uint8_t* second = in + std::ptrdiff_t(table.start[std::size_t(j) + 1]) * 3;
        const std::int32_t* firstPairs = table.pairsOf(j);
        const std::int32_t* secondPairs = table.pairsOf(j + 1);
        __m256i sum = rounding;
        for (int m = 0; m < table.pairCount; ++m, first += 6, second += 6) {
            const __m256i pixels =
                _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(first))),
                                        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(second)), 1);
            const __m256i weights = _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_set1_epi32(firstPairs[m])),
                                                            _mm_set1_epi32(secondPairs[m]), 1);
            const __m256i wide = _mm256_unpacklo_epi8(pixels, zero);
            const __m256i paired = _mm256_unpacklo_epi16(wide, _mm256_srli_si256(wide, 6));
            sum = _mm256_add_epi32(sum, _mm256_madd_epi16(paired, weights));
        }
        sum = _mm256_srai_epi32(sum, kWeightBits);
        const __m256i bytes = _mm256_packus_epi16(_mm256_packs_epi32(sum, sum), zero);
        const int firstValue = _mm256_cvtsi256_si32(bytes);
        const int secondValue = _mm_cvtsi128_si32(_mm256_extracti128_si256(bytes, 1));
        std::memcpy(out + std::ptrdiff_t(j) * 3, &firstValue, 4);
        std::memcpy(out + std::ptrdiff_t(j) * 3 + 3, &secondValue, 4);
    }
    return j;
}

// The column pass 32 bytes at a time. Unpacking and packing work within each
// 128-bit half, so every half does exactly what the SSE2 loop does.
__attribute__((target("avx2"))) int verticalAvx2(const std::uint8_t* const* rows, const std::int16_t* weights,
                                                 int taps, std::uint8_t* out, int bytes) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i rounding = _mm256_set1_epi32(kRounding);
    int x = 0;
    for (; x + 32 <= bytes; x += 32) {
        __m256i sum0 = rounding, sum1 = rounding, sum2 = rounding, sum3 = rounding;
        for (int k = 0; k < taps; k += 2) {
            const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k] + x));
            const __m256i b =
                k + 1 < taps ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[k + 1] + x)) : zero;
            const int second = k + 1 < taps ? weights[k + 1] : 0;
            const __m256i pair = _mm256_set1_epi32(int(std::uint16_t(weights[k])) | (second << 16));
            const __m256i low = _mm256_unpacklo_epi8(a, b), high = _mm256_unpackhi_epi8(a, b);
            sum0 = _mm256_add_epi32(sum0, _mm256_madd_epi16(_mm256_unpacklo_epi8(low, zero), pair));
            sum1 = _mm256_add_epi32(sum1, _mm256_madd_epi16(_mm256_unpackhi_epi8(low, zero), pair));
            sum2 = _mm256_add_epi32(sum2, _mm256_madd_epi16(_mm256_unpacklo_epi8(high, zero), pair));
            sum3 = _mm256_add_epi32(sum3, _mm256_madd_epi16(_mm256_unpackhi_epi8(high, zero), pair));
        }
        const __m256i low =
            _mm256_packs_epi32(_mm256_srai_epi32(sum0, kWeightBits), _mm256_srai_epi32(sum1, kWeightBits));
        const __m256i high =
            _mm256_packs_epi32(_mm256_srai_epi32(sum2, kWeightBits), _mm256_srai_epi32(sum3, kWeightBits));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), _mm256_packus_epi16(low, high));
    }
    return x;
}

bool haveAvx2() {
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

#endif

}  // namespace

void horizontalPass(const std::uint8_t* in, [[maybe_unused]] int inWidth, std::uint8_t* out, const Contributors& table,
                    int channels) {
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
    int done = 0;
#if QM_HAVE_AVX2_PATH
    if (haveAvx2()) done = horizontalRgbAvx2(in, out, table, fast);
#endif
    horizontalRgbSse2(in, out, table, done, fast);
#endif
    horizontalScalar<3>(in, out, table, fast, outWidth);
}

void verticalPass(const std::uint8_t* const* rows, const std::int16_t* weights, int taps, std::uint8_t* out,
                  int bytes) {
    int x = 0;
#if QM_HAVE_AVX2_PATH
    if (haveAvx2()) x = verticalAvx2(rows, weights, taps, out, bytes);
#endif
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
