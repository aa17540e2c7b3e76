// The Gaussian blur of the shadow's silhouette, in 16.16 fixed point. The
// taps are symmetric, so each pair of samples at +j and -j is added before
// the multiplication; integer sums are exact, so the order of the terms does
// not change a single result byte.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "tools/soft_shadow.h"

namespace qm {

GaussianKernel buildGaussianKernel(double radius) {
    GaussianKernel kernel;
    constexpr int maxR = GaussianKernel::kMaxHalfWidth;
    double sum = 0;
    for (int d = -maxR; d <= maxR; ++d) {
        const double t = d / radius;
        const double w = std::exp(-(t * t) / 2);
        kernel.weights[std::size_t(d + maxR)] = w;
        sum += w;
    }
    // nearbyint rounds halves to even in the default rounding mode.
    for (std::size_t i = 0; i < kernel.taps.size(); ++i)
        kernel.taps[i] = std::int32_t(std::nearbyint(kernel.weights[i] * 65536 / sum));
    int r = maxR;
    while (r > 1 && kernel.tap(r) == 0 && kernel.tap(-r) == 0) --r;
    kernel.halfWidth = r;
    return kernel;
}

namespace {

constexpr std::int32_t kRoundingBias = 0x8000;
// Columns blurred together: wide enough to fill the vector registers, narrow
// enough that a whole padded block of rows stays in the cache.
constexpr int kColumnBlock = 64;

// One padded line (halfWidth repeated end samples on each side) into target.
__attribute__((target_clones("avx2", "default")))
void convolvePadded(const std::int32_t* taps, int halfWidth, const std::uint8_t* padded, std::int32_t* acc,
                    std::uint8_t* target, int count) {
    const std::uint8_t* centre = padded + halfWidth;
    const std::int32_t k0 = taps[0];
    for (int x = 0; x < count; ++x) acc[x] = kRoundingBias + k0 * centre[x];
    for (int j = 1; j <= halfWidth; ++j) {
        const std::int32_t k = taps[j];
        const std::uint8_t* left = centre - j;
        const std::uint8_t* right = centre + j;
        for (int x = 0; x < count; ++x) acc[x] += k * (left[x] + right[x]);
    }
    for (int x = 0; x < count; ++x) target[x] = std::uint8_t(acc[x] >> 16);
}

// A block of columns, gathered row by row (stride kColumnBlock) with
// halfWidth repeated end rows above and below, blurred into `out` (same stride).
__attribute__((target_clones("avx2", "default")))
void convolveColumnBlock(const std::int32_t* taps, int halfWidth, const std::uint8_t* padded, int height,
                         std::uint8_t* out) {
    std::int32_t acc[kColumnBlock];
    const std::int32_t k0 = taps[0];
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* centre = padded + std::ptrdiff_t(y + halfWidth) * kColumnBlock;
        for (int b = 0; b < kColumnBlock; ++b) acc[b] = kRoundingBias + k0 * centre[b];
        for (int j = 1; j <= halfWidth; ++j) {
            const std::int32_t k = taps[j];
            const std::uint8_t* above = centre - std::ptrdiff_t(j) * kColumnBlock;
            const std::uint8_t* below = centre + std::ptrdiff_t(j) * kColumnBlock;
            for (int b = 0; b < kColumnBlock; ++b) acc[b] += k * (above[b] + below[b]);
        }
        std::uint8_t* outRow = out + std::ptrdiff_t(y) * kColumnBlock;
        for (int b = 0; b < kColumnBlock; ++b) outRow[b] = std::uint8_t(acc[b] >> 16);
    }
}

// Taps 0 ... halfWidth; the negative side mirrors them.
std::vector<std::int32_t> halfTaps(const GaussianKernel& kernel) {
    std::vector<std::int32_t> taps(std::size_t(kernel.halfWidth) + 1);
    for (int j = 0; j <= kernel.halfWidth; ++j) taps[std::size_t(j)] = kernel.tap(j);
    return taps;
}

void padLine(const std::uint8_t* source, int count, int halfWidth, std::uint8_t* padded) {
    std::memset(padded, source[0], std::size_t(halfWidth));
    std::memcpy(padded + halfWidth, source, std::size_t(count));
    std::memset(padded + halfWidth + count, source[count - 1], std::size_t(halfWidth));
}

}  // namespace

void convolveLine(const GaussianKernel& kernel, const std::uint8_t* source, std::uint8_t* target, int count) {
    if (count <= 0) return;
    const std::vector<std::int32_t> taps = halfTaps(kernel);
    std::vector<std::uint8_t> padded(std::size_t(count) + 2 * std::size_t(kernel.halfWidth));
    std::vector<std::int32_t> acc(static_cast<std::size_t>(count));
    padLine(source, count, kernel.halfWidth, padded.data());
    convolvePadded(taps.data(), kernel.halfWidth, padded.data(), acc.data(), target, count);
}

// Lines that repeat the line before them (every row and column block across
// an opaque picture's silhouette does) are not convolved again: the result
// of the same input is copied, byte for byte what the convolution gives.
void blurPlane(std::uint8_t* plane, int width, int height, double radius) {
    if (!(radius > 0) || width <= 0 || height <= 0) return;
    const GaussianKernel kernel = buildGaussianKernel(radius);
    const int r = kernel.halfWidth;
    const std::vector<std::int32_t> taps = halfTaps(kernel);

    std::vector<std::uint8_t> paddedRow(std::size_t(width) + 2 * std::size_t(r));
    std::vector<std::uint8_t> previousResult(static_cast<std::size_t>(width));
    std::vector<std::int32_t> acc(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = plane + std::ptrdiff_t(y) * width;
        // paddedRow still holds the previous row's input.
        if (y > 0 && std::memcmp(row, paddedRow.data() + r, std::size_t(width)) == 0) {
            std::memcpy(row, previousResult.data(), std::size_t(width));
            continue;
        }
        padLine(row, width, r, paddedRow.data());
        convolvePadded(taps.data(), r, paddedRow.data(), acc.data(), row, width);
        std::memcpy(previousResult.data(), row, std::size_t(width));
    }

    const std::size_t blockBytes = (std::size_t(height) + 2 * std::size_t(r)) * kColumnBlock;
    std::vector<std::uint8_t> block(blockBytes, 0), previousBlock(blockBytes, 0);
    std::vector<std::uint8_t> result(std::size_t(height) * kColumnBlock);
    bool haveResult = false;
    for (int x0 = 0; x0 < width; x0 += kColumnBlock) {
        const int columns = std::min(kColumnBlock, width - x0);
        const auto gathered = [&](int paddedRowIndex) { return block.data() + std::ptrdiff_t(paddedRowIndex) * kColumnBlock; };
        for (int y = 0; y < height; ++y)
            std::memcpy(gathered(y + r), plane + std::ptrdiff_t(y) * width + x0, std::size_t(columns));
        for (int j = 0; j < r; ++j) {
            std::memcpy(gathered(j), gathered(r), kColumnBlock);
            std::memcpy(gathered(height + r + j), gathered(height + r - 1), kColumnBlock);
        }
        if (!haveResult || columns < kColumnBlock || block != previousBlock) {
            convolveColumnBlock(taps.data(), r, block.data(), height, result.data());
            block.swap(previousBlock);
            haveResult = true;
        }
        for (int y = 0; y < height; ++y)
            std::memcpy(plane + std::ptrdiff_t(y) * width + x0, result.data() + std::ptrdiff_t(y) * kColumnBlock,
                        std::size_t(columns));
    }
}

}  // namespace qm
