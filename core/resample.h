#pragma once
#include "core/image.h"

namespace qm {

enum class ResampleFilter {
    None,         // plain stretch
    Triangle,     // tent, support 1
    Hermite,      // support 1
    Bell,         // support 1.5
    BSpline,      // support 2
    Lanczos3,     // support 3
    Mitchell,     // B = C = 1/3, support 2
    Nearest,      // nearest neighbour
    Linear,       // bilinear
    FastLinear,   // fixed-point, top-left mapping (see resample_fast_linear.cpp)
};

// The size that resample() produces for a request: a side equal to 0 keeps
// the current side, a negative one counts as its magnitude, and the result
// is at least 1 x 1.
struct Size { int width = 0, height = 0; friend bool operator==(const Size&, const Size&) = default; };
Size resampleTarget(const Image& image, int width, int height);

// Scales the picture (and its alpha plane) to the requested size with the
// filter; a request equal to the current size returns the picture unchanged.
Image resample(const Image& image, int width, int height, ResampleFilter filter);

}  // namespace qm
