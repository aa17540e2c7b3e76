#include <gtest/gtest.h>

#include "core/compose.h"
#include "core/draw.h"
#include "core/error.h"
#include "core/image.h"

namespace qm {
namespace {

TEST(Image, RefusesSizesBeyondTheLimitBeforeAllocating) {
    EXPECT_THROW(Image(70000, 10), Error);
    EXPECT_THROW(Image(30000, 30000), Error);
    EXPECT_THROW(Image(0, 10), Error);
}

TEST(Draw, ImageIsClippedOnAllFourSides) {
    Image target(4, 4, {0, 0, 0});
    Image source(3, 3, {9, 9, 9});
    drawImage(target, source, -1, -1);
    drawImage(target, source, 3, 3);
    EXPECT_EQ(target.at(0, 0), (Rgb{9, 9, 9}));
    EXPECT_EQ(target.at(1, 1), (Rgb{9, 9, 9}));
    EXPECT_EQ(target.at(2, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(target.at(3, 3), (Rgb{9, 9, 9}));
}

TEST(Draw, FillRectClipsAndCopyRectCuts) {
    Image image(5, 5, {0, 0, 0});
    fillRect(image, {3, 3, 10, 10}, {1, 2, 3});
    EXPECT_EQ(image.at(4, 4), (Rgb{1, 2, 3}));
    EXPECT_EQ(image.at(2, 2), (Rgb{0, 0, 0}));
    const Image cut = copyRect(image, {2, 2, 2, 2});
    ASSERT_EQ(cut.width(), 2);
    EXPECT_EQ(cut.at(1, 1), (Rgb{1, 2, 3}));
    EXPECT_TRUE(copyRect(image, {9, 9, 2, 2}).empty());
}

TEST(Compose, RemovingAlphaDividesBy256RoundingDown) {
    Image image(2, 1, {255, 0, 192});
    image.ensureAlpha(254);
    removeAlpha(image, {192, 192, 192});
    EXPECT_FALSE(image.hasAlpha());
    // 192 + floor(63 * 254 / 256) = 254; 192 + floor(-192 * 254 / 256) = 1
    EXPECT_EQ(image.at(0, 0), (Rgb{254, 1, 192}));
}

TEST(Compose, MergeTakesTopAtFullAlphaAndBottomAtZero) {
    Image bottom(2, 1, {10, 10, 10});
    Image top(2, 1, {200, 200, 200});
    top.ensureAlpha();
    top.alphaRow(0)[1] = 0;
    const Image merged = mergeOver(bottom, top);
    EXPECT_EQ(merged.at(0, 0), (Rgb{200, 200, 200}));
    EXPECT_EQ(merged.at(1, 0), (Rgb{10, 10, 10}));
}

}  // namespace
}  // namespace qm
