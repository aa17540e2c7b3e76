#include "core/resample.h"

#include <cstdlib>

namespace qm {

Size resampleTarget(const Image& image, int width, int height) {
    int w = width == 0 ? image.width() : std::abs(width);
    int h = height == 0 ? image.height() : std::abs(height);
    return {w < 1 ? 1 : w, h < 1 ? 1 : h};
}

// Placeholder nearest-neighbour until the filter bank lands.
Image resample(const Image& image, int width, int height, ResampleFilter) {
    const Size s = resampleTarget(image, width, height);
    if (s.width == image.width() && s.height == image.height()) return image;
    Image out(s.width, s.height);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            out.at(x, y) = image.at(int(std::int64_t(x) * image.width() / s.width),
                                    int(std::int64_t(y) * image.height() / s.height));
    return out;
}

}  // namespace qm
