#pragma once
#include <cstdint>
#include <vector>

#include "core/image.h"

// Reduction of a true-colour picture to a palette of at most 256 colours.
namespace qm::codecs {

struct IndexedImage {
    std::vector<Rgb> palette;           // 1 to 256 colours
    std::vector<std::uint8_t> indices;  // one per pixel, rows top-down
};

// A picture with no more than `maxColours` distinct colours keeps them
// exactly. Otherwise the palette comes from median cut over a 5-bit-per-
// channel histogram, and pixels are mapped to it, with Floyd-Steinberg
// error diffusion when `dither` is set.
IndexedImage quantize(const Image& image, int maxColours, bool dither);

}  // namespace qm::codecs
