#pragma once
#include <cstdint>

#include "core/image.h"

// Conversions that bring the many sample layouts of picture files to the
// program's 24-bit RGB (plus optional alpha plane).
namespace qm::codecs {

// Nearest 8-bit value of a 16-bit sample: round(v * 255 / 65535).
inline std::uint8_t scale16To8(unsigned v) { return std::uint8_t((v * 255u + 32767u) / 65535u); }

// Nearest 8-bit value of a sample of `maximum` levels (maximum >= 1).
inline std::uint8_t scaleTo8(unsigned v, unsigned maximum) {
    return std::uint8_t((std::uint64_t(v) * 255u + maximum / 2) / maximum);
}

// Colour over white through alpha: round((c * a + 255 * (255 - a)) / 255).
inline std::uint8_t overWhite(unsigned c, unsigned a) { return std::uint8_t((c * a + 255u * (255u - a) + 127u) / 255u); }

// Replaces the alpha plane by compositing over white, the way pictures
// with transparency enter the program; nothing happens without alpha.
// A plane that is opaque everywhere is simply dropped.
void flattenOntoWhite(Image& image);

}  // namespace qm::codecs
