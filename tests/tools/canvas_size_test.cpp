#include <gtest/gtest.h>

#include "tests/tools/picture_pattern.h"
#include "tools/canvas_size.h"

namespace qm {
namespace {

TEST(CanvasSize, AnchorsPlaceThePictureAndHalvesTruncateTowardZero) {
    const struct { CanvasAnchor anchor; int newWidth, newHeight; Point expected; } cases[] = {
        {CanvasAnchor::Center, 700, 500, {30, 10}},
        {CanvasAnchor::Center, 645, 480, {2, 0}},
        {CanvasAnchor::Center, 630, 480, {-5, 0}},
        {CanvasAnchor::Center, 635, 480, {-2, 0}},
        {CanvasAnchor::BottomRight, 700, 500, {60, 20}},
        {CanvasAnchor::TopLeft, 700, 500, {0, 0}},
        {CanvasAnchor::TopCenter, 700, 500, {30, 0}},
        {CanvasAnchor::TopRight, 600, 500, {-40, 0}},
        {CanvasAnchor::CenterLeft, 700, 475, {0, -2}},
        {CanvasAnchor::CenterRight, 700, 500, {60, 10}},
        {CanvasAnchor::BottomLeft, 700, 470, {0, -10}},
        {CanvasAnchor::BottomCenter, 641, 500, {0, 20}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(anchorOrigin(c.anchor, 640, 480, c.newWidth, c.newHeight), c.expected)
            << int(c.anchor) << " " << c.newWidth << "x" << c.newHeight;
}

// Columns of the result that show the picture, the rest being canvas colour.
void expectColumns(const Image& canvas, int firstPictureColumn, int pictureColumns, int sourceColumn, Rgb fill) {
    for (int x = 0; x < canvas.width(); ++x) {
        const bool picture = x >= firstPictureColumn && x < firstPictureColumn + pictureColumns;
        const Rgb expected = picture ? test::patternPixel(x - firstPictureColumn + sourceColumn, 0) : fill;
        ASSERT_EQ(canvas.at(x, 0), expected) << "column " << x;
    }
}

TEST(CanvasSize, OddMarginsLeaveTheExtraColumnRightAndCutsLoseMoreOnTheRight) {
    const Rgb white{255, 255, 255};
    const Image picture = test::patternPicture(640, 480);
    const Image wider = placeOnCanvas(picture, 645, 480, CanvasAnchor::Center, white);
    expectColumns(wider, 2, 640, 0, white);
    const Image narrower = placeOnCanvas(picture, 635, 480, CanvasAnchor::Center, white);
    expectColumns(narrower, 0, 635, 2, white);
    const Image bottomRight = placeOnCanvas(picture, 650, 490, CanvasAnchor::BottomRight, white);
    for (int y = 0; y < 10; ++y) ASSERT_EQ(bottomRight.at(100, y), white);
    for (int x = 0; x < 10; ++x) ASSERT_EQ(bottomRight.at(x, 100), white);
    EXPECT_EQ(bottomRight.at(10, 10), test::patternPixel(0, 0));
    EXPECT_EQ(bottomRight.at(649, 489), test::patternPixel(639, 479));
}

TEST(CanvasSize, SidesAreClampedToTheSpinRange) {
    const Image canvas = placeOnCanvas(test::patternPicture(4, 4), 12000, 0, CanvasAnchor::TopLeft, Rgb{});
    EXPECT_EQ(canvas.width(), 9999);
    EXPECT_EQ(canvas.height(), 1);
    EXPECT_EQ(canvasAspectSide(9999, 1, 3), 9999);
    EXPECT_EQ(canvasAspectSide(1, 9999, 2), 1);
}

TEST(CanvasSize, AspectExchangeOfAThreeByTwoPictureSettlesOnFourByThree) {
    EXPECT_EQ(canvasAspectSide(5, 3, 2), 3);  // round(3.33)
    EXPECT_EQ(canvasAspectSide(3, 2, 3), 4);  // round(4.5), half to even
    EXPECT_EQ(canvasAspectSide(4, 3, 2), 3);  // round(2.67): settled
}

TEST(CanvasSize, PreviewFitsTheBoxWithoutEnlarging) {
    const struct { int w, h; PreviewSize expected; } cases[] = {
        {636, 200, {318, 100}}, {100, 50, {100, 50}}, {640, 480, {233, 175}}, {318, 175, {318, 175}}, {1, 1, {1, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(previewSize(c.w, c.h), c.expected) << c.w << "x" << c.h;
}

}  // namespace
}  // namespace qm
