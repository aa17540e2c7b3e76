#pragma once
#include <cstdint>

#include "core/image.h"

namespace qm::test {

// Every pixel differs from its neighbours and from the plain colours the
// tests paint with, so a misplaced or missing pixel shows.
inline Rgb patternPixel(int x, int y) {
    return {std::uint8_t(10 + x % 200), std::uint8_t(20 + y % 200), std::uint8_t(7 + (x * 3 + y) % 100)};
}

inline Image patternPicture(int width, int height) {
    Image picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.at(x, y) = patternPixel(x, y);
    return picture;
}

}  // namespace qm::test
