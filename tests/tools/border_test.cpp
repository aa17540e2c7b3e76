#include <gtest/gtest.h>

#include "tests/tools/picture_pattern.h"
#include "tools/border.h"

namespace qm {
namespace {

constexpr Rgb kBorder{1, 2, 3};

struct BorderCase {
    const char* name;
    BorderWidths widths;
    bool outside;
    int expectedWidth, expectedHeight;
    Rect keptPicture;  // where the original pixels remain, in result coordinates
    int pictureX, pictureY;  // where the original's (0, 0) lands
};

// A 60 x 40 picture throughout.
const BorderCase kCases[] = {
    {"defaults outside", {2, 2, 2, 2}, true, 64, 44, {2, 2, 60, 40}, 2, 2},
    {"top 10 left 0 right 30 bottom 5", {10, 0, 5, 30}, true, 90, 55, {0, 10, 60, 40}, 0, 10},
    {"inside 2", {2, 2, 2, 2}, false, 60, 40, {2, 2, 56, 36}, 0, 0},
    {"negative widths count as 0 outside", {-5, 3, -1, -20}, true, 63, 40, {3, 0, 60, 40}, 3, 0},
    {"negative widths count as 0 inside", {-5, 3, -1, -20}, false, 60, 40, {3, 0, 57, 40}, 0, 0},
    {"inside widths meeting in the middle", {20, 1, 20, 1}, false, 60, 40, {}, 0, 0},
    {"inside widths crossing the middle", {1, 50, 1, 50}, false, 60, 40, {}, 0, 0},
};

TEST(Border, StripsHaveTheBorderColourAndThePictureKeepsItsPixels) {
    for (const BorderCase& c : kCases) {
        SCOPED_TRACE(c.name);
        Image picture = test::patternPicture(60, 40);
        addBorder(picture, c.widths, kBorder, c.outside);
        ASSERT_EQ(picture.width(), c.expectedWidth);
        ASSERT_EQ(picture.height(), c.expectedHeight);
        EXPECT_FALSE(picture.hasAlpha());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const bool kept = x >= c.keptPicture.x && x < c.keptPicture.right() && y >= c.keptPicture.y &&
                                  y < c.keptPicture.bottom();
                const Rgb expected = kept ? test::patternPixel(x - c.pictureX, y - c.pictureY) : kBorder;
                ASSERT_EQ(picture.at(x, y), expected) << "at " << x << "," << y;
            }
    }
}

TEST(Border, OutsideBorderBeyondThePictureLimitIsRefusedAndLeavesThePicture) {
    Image picture = test::patternPicture(8, 8);
    const Image before = picture;
    EXPECT_THROW(addBorder(picture, {0, 70000, 0, 0}, kBorder, true), std::runtime_error);
    EXPECT_EQ(picture, before);
}

}  // namespace
}  // namespace qm
