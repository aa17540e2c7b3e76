#include <gtest/gtest.h>

#include "tools/image_size_math.h"

namespace qm {
namespace {

TEST(ImageSizeMath, AspectSideRoundsHalvesToEven) {
    const struct { int referenceOther, newSide, referenceSide, expected; } cases[] = {
        {480, 320, 640, 240},
        {33, 50, 100, 16},   // 16.5
        {33, 150, 100, 50},  // 49.5
        {33, 70, 100, 23},   // 23.1
        {3, 0, 3, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(aspectSide(c.referenceOther, c.newSide, c.referenceSide), c.expected)
            << c.referenceOther << " * " << c.newSide << " / " << c.referenceSide;
}

TEST(ImageSizeMath, PercentageCutsTheFraction) {
    const struct { long long newSide; int referenceSide, expected; } cases[] = {
        {320, 640, 50}, {5, 3, 166}, {640, 640, 100}, {1, 3, 33}, {0, 640, 0}, {3000000000LL, 3, 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sizePercent(c.newSide, c.referenceSide), c.expected) << c.newSide << " of " << c.referenceSide;
}

}  // namespace
}  // namespace qm
