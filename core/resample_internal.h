#pragma once
#include <cstdint>

#include "core/filters.h"
#include "core/image.h"

namespace qm {

// One plane of `channels` interleaved 8-bit samples per pixel, rows packed.
struct PlaneView {
    const std::uint8_t* data;
    int width, height, channels;
    const std::uint8_t* row(int y) const { return data + std::ptrdiff_t(y) * width * channels; }
};
struct MutablePlane {
    std::uint8_t* data;
    int width, height;
    std::uint8_t* row(int y, int channels) const { return data + std::ptrdiff_t(y) * width * channels; }
};

// Each resamples a plane into `target` (already sized, same channels).
void resampleConvolved(const PlaneView& source, MutablePlane target, const FilterKernel& kernel);
void resampleFastLinear(const PlaneView& source, MutablePlane target);
// Point sampling: `centred` picks the source pixel under each output pixel's
// centre (nearest neighbour); otherwise under its top-left corner (a plain
// stretch).
void resamplePoint(const PlaneView& source, MutablePlane target, bool centred);

}  // namespace qm
