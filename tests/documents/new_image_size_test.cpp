#include <gtest/gtest.h>

#include "documents/new_image_size.h"

namespace qm {
namespace {

constexpr auto kInch = ResolutionUnit::PixelsPerInch;
constexpr auto kCm = ResolutionUnit::PixelsPerCm;

TEST(NewImageSize, StandardSizesTruncateExactDecimalsOnce) {
    struct Case {
        int index, resolution;
        ResolutionUnit unit;
        PixelSize expected;
    };
    const Case cases[] = {
        {15, 72, kInch, {595, 841}},     // A4
        {13, 72, kInch, {612, 792}},     // Letter
        {10, 72, kInch, {252, 360}},     // 3.5 x 5
        {15, 72, kCm, {1512, 2138}},     // A4
        {11, 72, kCm, {731, 1097}},      // 4 x 6
        {15, 10, kCm, {210, 297}},       // 10 x 29.7 must stay 297, not 296
        {17, 100, kCm, {1820, 2570}},    // B5: 18.2 and 25.7 are inexact in binary
        {16, 254, kInch, {1480, 2150}},  // A5: the division by 2.54 comes out whole
        {3, 1, kCm, {320, 240}},         // pixel sizes ignore the resolution
        {15, -72, kInch, {-595, -841}},  // toward zero, not down
    };
    for (const Case& c : cases)
        EXPECT_EQ(standardSize(c.index, c.resolution, c.unit), c.expected) << kStandardSizeNames[c.index];
}

TEST(NewImageSize, StandardNamesKeepTheirDoubleBlanks) {
    EXPECT_STREQ(kStandardSizeNames[10], "Photo Size  3.5 x 5 Inches");
    EXPECT_STREQ(kStandardSizeNames[15], "A4  21 x 29.7 Cm");
    EXPECT_STREQ(kScreenSizeNames[2], " 1024 x 768");
}

TEST(NewImageSize, CustomSizesInEveryUnit) {
    EXPECT_EQ(customSize(320, 240, 7, LengthUnit::Pixels, kCm), (PixelSize{320, 240}));
    EXPECT_EQ(customSize(3, 5, 72, LengthUnit::Inches, kInch), (PixelSize{216, 360}));
    EXPECT_EQ(customSize(3, 5, 72, LengthUnit::Inches, kCm), (PixelSize{548, 914}));
    EXPECT_EQ(customSize(21, 30, 72, LengthUnit::Cm, kInch), (PixelSize{595, 850}));
    EXPECT_EQ(customSize(21, 30, 10, LengthUnit::Cm, kCm), (PixelSize{210, 300}));
    // Absurd products saturate instead of wrapping round to a plausible size.
    EXPECT_EQ(customSize(100000, 100000, 100000, LengthUnit::Inches, kCm).width, 2147483647);
}

TEST(NewImageSize, LenientNumbers) {
    // "3.5" inches is not a whole number, so the dialog falls back to 100.
    EXPECT_EQ(parseWholeNumber("3.5"), std::nullopt);
    EXPECT_EQ(parseWholeNumber(""), std::nullopt);
    EXPECT_EQ(parseWholeNumber("12a"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("99999999999"), std::nullopt);
    EXPECT_EQ(parseWholeNumber(" 72 "), 72);
    EXPECT_EQ(parseWholeNumber("-5"), -5);
}

TEST(NewImageSize, FileSizeLabels) {
    struct Case {
        PixelSize size;
        int bits;
        const char* expected;
    };
    const Case cases[] = {
        {{320, 240}, 24, "225 kB"},       {{320, 240}, 1, "9 kB"},     {{16, 16}, 24, "768 Bytes"},
        {{1024, 1024}, 24, "3 MB"},       {{1023, 1024}, 1, "127 kB"}, {{10000, 10000}, 24, "286 MB"},
        {{65535, 65535}, 24, "12287 MB"}, {{1, 1}, 1, "0 Bytes"},
    };
    for (const Case& c : cases) EXPECT_EQ(fileSizeLabel(c.size, c.bits), c.expected);
    EXPECT_EQ(pixelSizeLabel({320, 240}), "320 x 240 Pixels");
}

TEST(NewImageSize, ScreenCheckAndPreview) {
    const PixelSize screen = screenSize(2);
    EXPECT_FALSE(exceedsScreen({1024, 768}, screen));
    EXPECT_TRUE(exceedsScreen({1025, 768}, screen));
    EXPECT_TRUE(exceedsScreen({1024, 769}, screen));
    EXPECT_EQ(previewExtent({1024, 768}, screen), (PixelSize{160, 120}));
    // 160 / 800 is not exact in binary; 800 x 600 still fills the box.
    EXPECT_EQ(previewExtent({800, 600}, screenSize(1)), (PixelSize{160, 120}));
}

TEST(NewImageSize, SizeProblems) {
    EXPECT_EQ(sizeProblem({320, 240}), std::nullopt);
    EXPECT_NE(sizeProblem({0, 240}), std::nullopt);
    EXPECT_NE(sizeProblem({320, -1}), std::nullopt);
    EXPECT_NE(sizeProblem({70000, 10}), std::nullopt);
    EXPECT_NE(sizeProblem({30000, 30000}), std::nullopt);
}

}  // namespace
}  // namespace qm
