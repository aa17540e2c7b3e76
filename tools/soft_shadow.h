#pragma once
#include <array>
#include <cstdint>

#include "core/image.h"

namespace qm {

// The blur kernel: weights and 16.16 taps for the offsets -100 ... +100, of
// which only -halfWidth ... +halfWidth are used.
struct GaussianKernel {
    static constexpr int kMaxHalfWidth = 100;
    int halfWidth = 1;
    std::array<double, 2 * kMaxHalfWidth + 1> weights{};
    std::array<std::int32_t, 2 * kMaxHalfWidth + 1> taps{};
    std::int32_t tap(int offset) const { return taps[std::size_t(offset + kMaxHalfWidth)]; }
};
GaussianKernel buildGaussianKernel(double radius);

// Blurs one line of `count` samples into `target`; samples beyond the ends
// repeat the end samples.
void convolveLine(const GaussianKernel& kernel, const std::uint8_t* source, std::uint8_t* target, int count);

// Blurs a width x height plane in place: every row, then every column.
// Nothing happens when the radius is not positive.
void blurPlane(std::uint8_t* plane, int width, int height, double radius);

struct ShadowParams {
    double radius = 3;
    int offsetX = 3, offsetY = 3;  // positive: right and down
    Rgb colour{};
};

// How many pixels the canvas grows in each direction; the picture moves
// right and down by half of it. Throws qm::Error when the radius is not a
// finite number or the grown canvas would pass the picture size limit, so
// callers can refuse before anything is allocated.
int shadowGrowth(const Image& picture, const ShadowParams& params);

// Grows the canvas, blurs the picture's silhouette, moves it by the offsets
// and lays it under the picture in the shadow colour. The result keeps its
// alpha plane; flattening it onto a background is the caller's choice.
void addSoftShadow(Image& picture, const ShadowParams& params);

}  // namespace qm
