#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "core/compose.h"
#include "core/error.h"
#include "tests/tools/picture_pattern.h"
#include "tools/soft_shadow.h"

namespace qm {
namespace {

TEST(GaussianKernel, HalfWidthIsCutWhereTheTapsRoundToZero) {
    const struct { double radius; int halfWidth; } cases[] = {
        {0.1, 1}, {1, 4}, {2, 9}, {3, 13}, {5, 21}, {10, 41}, {25, 97}, {26, 100}, {50, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radius);
        const GaussianKernel kernel = buildGaussianKernel(c.radius);
        EXPECT_EQ(kernel.halfWidth, c.halfWidth);
        if (c.halfWidth < GaussianKernel::kMaxHalfWidth) {
            EXPECT_EQ(kernel.tap(c.halfWidth + 1), 0);
        }
        if (c.halfWidth > 1) {
            EXPECT_NE(kernel.tap(c.halfWidth), 0);
        }
    }
}

TEST(GaussianKernel, TinyRadiusLeavesOnlyTheCentreTap) {
    const GaussianKernel kernel = buildGaussianKernel(0.1);
    EXPECT_EQ(kernel.tap(0), 65536);
    EXPECT_EQ(kernel.tap(-1), 0);
    EXPECT_EQ(kernel.tap(1), 0);
}

// The blur written the plain way: every tap, clamped indices, rows then columns.
std::vector<std::uint8_t> referenceBlur(std::vector<std::uint8_t> plane, int w, int h, double radius) {
    const GaussianKernel k = buildGaussianKernel(radius);
    const auto line = [&](std::vector<std::uint8_t>& v) {
        const int n = int(v.size());
        std::vector<std::uint8_t> out(v.size());
        for (int x = 0; x < n; ++x) {
            std::int64_t acc = 0x8000;
            for (int j = -k.halfWidth; j <= k.halfWidth; ++j) acc += std::int64_t(k.tap(j)) * v[std::clamp(x + j, 0, n - 1)];
            out[x] = std::uint8_t(acc >> 16);
        }
        v = out;
    };
    for (int y = 0; y < h; ++y) {
        std::vector<std::uint8_t> row(plane.begin() + y * w, plane.begin() + (y + 1) * w);
        line(row);
        std::copy(row.begin(), row.end(), plane.begin() + y * w);
    }
    for (int x = 0; x < w; ++x) {
        std::vector<std::uint8_t> column(h);
        for (int y = 0; y < h; ++y) column[y] = plane[y * w + x];
        line(column);
        for (int y = 0; y < h; ++y) plane[y * w + x] = column[y];
    }
    return plane;
}

TEST(Blur, MatchesThePlainConvolutionByteForByte) {
    // Widths below, at and past the column block, and radii whose kernel is
    // wider than the plane, so the clamped ends are exercised.
    const struct { int w, h; double radius; } cases[] = {
        {1, 1, 3}, {37, 23, 1}, {64, 5, 3}, {130, 41, 3}, {70, 90, 10}, {20, 15, 25}, {9, 200, 50},
    };
    std::mt19937 random(7);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " radius " << c.radius);
        std::vector<std::uint8_t> plane(std::size_t(c.w) * c.h);
        for (auto& v : plane) v = std::uint8_t(random() % 3 == 0 ? 255 : random() % 256);
        const std::vector<std::uint8_t> expected = referenceBlur(plane, c.w, c.h, c.radius);
        blurPlane(plane.data(), c.w, c.h, c.radius);
        ASSERT_EQ(plane, expected);
    }
}

TEST(Blur, RepeatedRowsAndColumnBlocksMatchThePlainConvolution) {
    // An opaque picture's silhouette, and a plane whose rows and 64-column
    // blocks repeat only in runs, so reused results must not leak past a run.
    const int w = 300, h = 200;
    std::vector<std::uint8_t> silhouette(std::size_t(w) * h, 0), runs(std::size_t(w) * h);
    for (int y = 30; y < 170; ++y)
        for (int x = 20; x < 281; ++x) silhouette[std::size_t(y) * w + x] = 255;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            runs[std::size_t(y) * w + x] = std::uint8_t((y / 7) % 2 * 100 + (x % 64) + (x >= 192 ? 50 : 0));
    for (double radius : {1.0, 3.0, 25.0}) {
        for (auto* plane : {&silhouette, &runs}) {
            SCOPED_TRACE(testing::Message() << "radius " << radius << (plane == &runs ? " runs" : " silhouette"));
            std::vector<std::uint8_t> blurred = *plane;
            blurPlane(blurred.data(), w, h, radius);
            ASSERT_EQ(blurred, referenceBlur(*plane, w, h, radius));
        }
    }
}

TEST(Blur, NonPositiveRadiusLeavesThePlane) {
    std::vector<std::uint8_t> plane = {0, 255, 0, 255, 0, 255};
    const auto before = plane;
    blurPlane(plane.data(), 3, 2, 0);
    blurPlane(plane.data(), 3, 2, -2);
    EXPECT_EQ(plane, before);
}

TEST(Shadow, CanvasGrowsAndThePictureMovesByHalfTheGrowth) {
    const struct { double radius; int dx, dy; int growth; } cases[] = {
        {3, 3, 3, 21}, {3, 0, 0, 15}, {1, -30, 5, 65}, {0.1, 0, 0, 1}, {0, 4, -2, 8}, {-3, 0, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radius << " " << c.dx << "," << c.dy);
        const Image original = test::patternPicture(30, 20);
        Image picture = original;
        addSoftShadow(picture, {c.radius, c.dx, c.dy, Rgb{0, 0, 0}});
        ASSERT_EQ(picture.width(), 30 + c.growth);
        ASSERT_EQ(picture.height(), 20 + c.growth);
        ASSERT_TRUE(picture.hasAlpha());
        const int shift = c.growth / 2;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                ASSERT_EQ(picture.at(x + shift, y + shift), original.at(x, y));
                ASSERT_EQ(picture.alphaRow(y + shift)[x + shift], 255);
            }
    }
}

TEST(Shadow, LiesWhereTheOffsetsMoveItInTheShadowColour) {
    // Radius 1, offsets -30 and 5: the canvas grows by 65, the picture sits
    // at (32, 32), its shadow's core at (2 ... 21, 37 ... 56).
    Image picture(20, 20, Rgb{200, 200, 200});
    const Rgb blue{0, 0, 255};
    addSoftShadow(picture, {1, -30, 5, blue});
    EXPECT_EQ(picture.at(10, 50), blue);
    EXPECT_EQ(picture.alphaRow(50)[10], 255);
    EXPECT_EQ(picture.alphaRow(30)[10], 0);   // above the shadow
    EXPECT_EQ(picture.alphaRow(50)[60], 0);   // right of the picture
    EXPECT_EQ(picture.at(60, 50), (Rgb{0, 0, 0}));
    const std::uint8_t edge = picture.alphaRow(50)[21];
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, 255);
    EXPECT_EQ(picture.at(21, 50), blue);
}

TEST(Shadow, PartlyTransparentEdgeBlendsOverTheShadow) {
    Image picture(3, 3, Rgb{200, 100, 50});
    picture.ensureAlpha(128);
    // No blur and no offset: the shadow alpha equals the picture's own.
    addSoftShadow(picture, {0.1, 0, 0, Rgb{0, 0, 255}});
    ASSERT_EQ(picture.width(), 4);
    EXPECT_EQ(picture.at(0, 0), (Rgb{149, 74, 100}));
    EXPECT_EQ(picture.alphaRow(0)[0], 191);
    EXPECT_EQ(picture.alphaRow(3)[3], 0);
}

TEST(Shadow, MergedOntoSilverOnlyChannelsAboveSilverDropByOne) {
    Image picture(12, 12, Rgb{255, 192, 100});
    addSoftShadow(picture, {3, 3, 3, Rgb{0, 0, 0}});
    removeAlpha(picture, Rgb{192, 192, 192});
    EXPECT_FALSE(picture.hasAlpha());
    EXPECT_EQ(picture.at(15, 15), (Rgb{254, 192, 100}));
    EXPECT_EQ(picture.at(0, 0), (Rgb{192, 192, 192}));  // no shadow reaches the corner
    EXPECT_LT(picture.at(25, 25).r, 192);                // under the shadow's edge
}

TEST(Shadow, CanvasBeyondThePictureLimitIsRefusedBeforeAnythingChanges) {
    const struct { double radius; int dx, dy; int width; } cases[] = {
        {1e7, 0, 0, 10},
        {3, 40000, 0, 10},
        {3, 0, std::numeric_limits<int>::min(), 10},
        {3, 300, 300, 65300},
        {std::numeric_limits<double>::infinity(), 0, 0, 10},
        {std::numeric_limits<double>::quiet_NaN(), 0, 0, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radius << " " << c.dx << "," << c.dy);
        Image picture(c.width, 2, Rgb{5, 6, 7});
        const Image before = picture;
        EXPECT_THROW(addSoftShadow(picture, {c.radius, c.dx, c.dy, Rgb{}}), Error);
        EXPECT_EQ(picture, before);
    }
}

}  // namespace
}  // namespace qm
