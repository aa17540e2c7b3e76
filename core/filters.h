#pragma once
#include "core/resample.h"

namespace qm {

// A resampling kernel: its weight at a distance (in source pixels at scale
// 1) and the distance beyond which the weight is zero. `widens` kernels are
// stretched by the scale factor when shrinking, so every source pixel counts;
// the others (bilinear) always take their neighbours only.
struct FilterKernel {
    ResampleFilter filter;
    double support;
    double (*weight)(double distance);
    bool widens;
};

// The kernel of a convolution filter; nullptr for the filters that do not
// convolve (None, Nearest, FastLinear).
const FilterKernel* kernelFor(ResampleFilter filter);

}  // namespace qm
