#include <gtest/gtest.h>

#include <random>

#include "core/error.h"
#include "core/transform.h"

namespace qm {
namespace {

// Larger than one tile of the quarter turn and not a multiple of it.
Image noise(int w, int h, bool alpha) {
    std::mt19937 random(w * 1000 + h);
    Image image(w, h);
    auto* bytes = reinterpret_cast<std::uint8_t*>(image.data());
    for (std::int64_t i = 0; i < image.pixelCount() * 3; ++i) bytes[i] = std::uint8_t(random());
    if (alpha) {
        image.ensureAlpha();
        for (std::int64_t i = 0; i < image.pixelCount(); ++i) image.alphaData()[i] = std::uint8_t(random());
    }
    return image;
}

Image flipped(Image image, FlipDirection direction) {
    flip(image, direction);
    return image;
}

TEST(Transform, QuarterTurnsMoveCornersTheRightWay) {
    // 3 x 2 with the top-right pixel marked: counter-clockwise it goes to
    // the top-left, clockwise to the bottom-right.
    Image image(3, 2, {0, 0, 0});
    image.at(2, 0) = {9, 8, 7};
    image.ensureAlpha(0);
    image.alphaRow(0)[2] = 200;
    const struct { int degrees, x, y, width; } cases[] = {{90, 0, 0, 2}, {-90, 1, 2, 2}, {270, 1, 2, 2}, {-270, 0, 0, 2}, {180, 0, 1, 3}};
    for (const auto& c : cases) {
        const Image out = rotate(image, c.degrees);
        ASSERT_EQ(out.width(), c.width) << c.degrees;
        EXPECT_EQ(out.at(c.x, c.y), (Rgb{9, 8, 7})) << c.degrees;
        EXPECT_EQ(out.alphaRow(c.y)[c.x], 200) << c.degrees;
    }
    EXPECT_THROW(rotate(image, 45), Error);
}

TEST(Transform, RotationAndFlipIdentities) {
    for (const bool alpha : {false, true}) {
        const Image image = noise(131, 70, alpha);
        EXPECT_EQ(rotate(rotate(image, 90), -90), image);
        EXPECT_EQ(rotate(rotate(rotate(rotate(image, 90), 90), 90), 90), image);
        EXPECT_EQ(rotate(rotate(image, 90), 90), rotate(image, 180));
        EXPECT_EQ(rotate(image, 180), flipped(flipped(image, FlipDirection::Horizontal), FlipDirection::Vertical));
        EXPECT_EQ(rotate(image, 360), image);
        for (const FlipDirection direction : {FlipDirection::Horizontal, FlipDirection::Vertical})
            EXPECT_EQ(flipped(flipped(image, direction), direction), image);
        // A quarter turn is a transpose followed by a vertical flip.
        const Image turned = rotate(image, 90);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ASSERT_EQ(turned.at(y, image.width() - 1 - x), image.at(x, y));
    }
    const Image odd = noise(5, 3, true);
    const Image mirrored = flipped(odd, FlipDirection::Horizontal);
    const Image upsideDown = flipped(odd, FlipDirection::Vertical);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(mirrored.at(4 - x, y), odd.at(x, y));
            EXPECT_EQ(mirrored.alphaRow(y)[4 - x], odd.alphaRow(y)[x]);
            EXPECT_EQ(upsideDown.at(x, 2 - y), odd.at(x, y));
            EXPECT_EQ(upsideDown.alphaRow(2 - y)[x], odd.alphaRow(y)[x]);
        }
}

TEST(Transform, NegativeInvertsColoursAndKeepsAlpha) {
    Image image(2, 1, {0, 100, 255});
    image.ensureAlpha(42);
    negative(image);
    EXPECT_EQ(image.at(1, 0), (Rgb{255, 155, 0}));
    EXPECT_EQ(image.alphaRow(0)[1], 42);
}

}  // namespace
}  // namespace qm
