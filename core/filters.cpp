#include "core/filters.h"

#include <cmath>
#include <numbers>

namespace qm {
namespace {

double triangle(double x) {
    x = std::fabs(x);
    return x < 1 ? 1 - x : 0;
}

double hermite(double x) {
    x = std::fabs(x);
    return x < 1 ? (2 * x - 3) * x * x + 1 : 0;
}

double bell(double x) {
    x = std::fabs(x);
    if (x < 0.5) return 0.75 - x * x;
    if (x < 1.5) return 0.5 * (x - 1.5) * (x - 1.5);
    return 0;
}

double bSpline(double x) {
    x = std::fabs(x);
    if (x < 1) return (0.5 * x - 1) * x * x + 2.0 / 3;
    if (x < 2) return (2 - x) * (2 - x) * (2 - x) / 6;
    return 0;
}

// The cubic family of Mitchell and Netravali with B = C = 1/3.
double mitchell(double x) {
    constexpr double B = 1.0 / 3, C = 1.0 / 3;
    x = std::fabs(x);
    if (x < 1) return ((12 - 9 * B - 6 * C) * x * x * x + (-18 + 12 * B + 6 * C) * x * x + (6 - 2 * B)) / 6;
    if (x < 2)
        return ((-B - 6 * C) * x * x * x + (6 * B + 30 * C) * x * x + (-12 * B - 48 * C) * x + (8 * B + 24 * C)) / 6;
    return 0;
}

double sinc(double x) {
    if (x == 0) return 1;
    x *= std::numbers::pi;
    return std::sin(x) / x;
}

double lanczos3(double x) { return std::fabs(x) < 3 ? sinc(x) * sinc(x / 3) : 0; }

constexpr FilterKernel kKernels[] = {
    {ResampleFilter::Triangle, 1.0, triangle, true},
    {ResampleFilter::Hermite, 1.0, hermite, true},
    {ResampleFilter::Bell, 1.5, bell, true},
    {ResampleFilter::BSpline, 2.0, bSpline, true},
    {ResampleFilter::Lanczos3, 3.0, lanczos3, true},
    {ResampleFilter::Mitchell, 2.0, mitchell, true},
    {ResampleFilter::Linear, 1.0, triangle, false},
};

}  // namespace

const FilterKernel* kernelFor(ResampleFilter filter) {
    for (const FilterKernel& kernel : kKernels)
        if (kernel.filter == filter) return &kernel;
    return nullptr;
}

}  // namespace qm
