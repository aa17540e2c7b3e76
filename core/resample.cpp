#include "core/resample.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

#include "core/filters.h"
#include "core/resample_internal.h"

namespace qm {
namespace {

void resamplePlane(const PlaneView& source, MutablePlane target, ResampleFilter filter) {
    switch (filter) {
        case ResampleFilter::None: return resamplePoint(source, target, false);
        case ResampleFilter::Nearest: return resamplePoint(source, target, true);
        case ResampleFilter::FastLinear: return resampleFastLinear(source, target);
        default: return resampleConvolved(source, target, *kernelFor(filter));
    }
}

}  // namespace

Size resampleTarget(const Image& image, int width, int height) {
    const auto side = [](int requested, int current) {
        // |INT_MIN| does not fit an int; any such size is refused later anyway.
        const long long length = requested == 0 ? current : std::llabs(requested);
        return int(std::clamp<long long>(length, 1, std::numeric_limits<int>::max()));
    };
    return {side(width, image.width()), side(height, image.height())};
}

Image resample(const Image& image, int width, int height, ResampleFilter filter) {
    const Size size = resampleTarget(image, width, height);
    if (image.empty() || (size.width == image.width() && size.height == image.height())) return image;
    Image out(size.width, size.height);
    const auto rgb = [](const Image& picture) {
        return PlaneView{reinterpret_cast<const std::uint8_t*>(picture.data()), picture.width(), picture.height(), 3};
    };
    resamplePlane(rgb(image), {reinterpret_cast<std::uint8_t*>(out.data()), out.width(), out.height()}, filter);
    if (image.hasAlpha()) {
        out.ensureAlpha();
        resamplePlane({image.alphaData(), image.width(), image.height(), 1},
                      {out.alphaData(), out.width(), out.height()}, filter);
    }
    return out;
}

void resamplePoint(const PlaneView& source, MutablePlane target, bool centred) {
    const int ch = source.channels;
    std::vector<int> columns(static_cast<std::size_t>(target.width));
    for (int x = 0; x < target.width; ++x) {
        const std::int64_t at = centred ? (2 * std::int64_t(x) + 1) * source.width / (2 * std::int64_t(target.width))
                                        : std::int64_t(x) * source.width / target.width;
        columns[std::size_t(x)] = int(at) * ch;
    }
    for (int y = 0; y < target.height; ++y) {
        const std::int64_t sourceY = centred ? (2 * std::int64_t(y) + 1) * source.height / (2 * std::int64_t(target.height))
                                             : std::int64_t(y) * source.height / target.height;
        const std::uint8_t* in = source.row(int(sourceY));
        std::uint8_t* out = target.row(y, ch);
        for (int x = 0; x < target.width; ++x)
            for (int c = 0; c < ch; ++c) out[x * ch + c] = in[columns[std::size_t(x)] + c];
    }
}

}  // namespace qm
