#include <gtest/gtest.h>

#include <limits>

#include "core/resample.h"
#include "core/transform.h"

namespace qm {
namespace {

constexpr ResampleFilter kAllFilters[] = {
    ResampleFilter::None,     ResampleFilter::Triangle, ResampleFilter::Hermite, ResampleFilter::Bell,
    ResampleFilter::BSpline,  ResampleFilter::Lanczos3, ResampleFilter::Mitchell, ResampleFilter::Nearest,
    ResampleFilter::Linear,   ResampleFilter::FastLinear,
};

// One row (or column) of grey values; green holds the inverse and blue a
// constant so that mixed-up channels show.
Image line(std::vector<int> values, bool vertical = false) {
    const int n = int(values.size());
    Image image(vertical ? 1 : n, vertical ? n : 1);
    for (int i = 0; i < n; ++i)
        image.at(vertical ? 0 : i, vertical ? i : 0) = {std::uint8_t(values[std::size_t(i)]),
                                                          std::uint8_t(255 - values[std::size_t(i)]), 7};
    return image;
}

std::vector<int> reds(const Image& image) {
    std::vector<int> values;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb p = image.at(x, y);
            EXPECT_EQ(p.b, 7) << "blue at " << x << "," << y;
            values.push_back(p.r);
        }
    return values;
}

TEST(Resample, SizeRules) {
    const Image image(40, 30, {1, 2, 3});
    const struct { int w, h; Size expected; } cases[] = {
        {20, 10, {20, 10}}, {0, 10, {40, 10}}, {20, 0, {20, 30}}, {0, 0, {40, 30}},
        {-20, -10, {20, 10}}, {-1, 0, {1, 30}},
    };
    EXPECT_EQ(resampleTarget(image, std::numeric_limits<int>::min(), 5).width, std::numeric_limits<int>::max());
    for (const auto& c : cases) {
        EXPECT_EQ(resampleTarget(image, c.w, c.h), c.expected) << c.w << "," << c.h;
        const Image out = resample(image, c.w, c.h, ResampleFilter::Lanczos3);
        EXPECT_EQ(out.width(), c.expected.width);
        EXPECT_EQ(out.height(), c.expected.height);
    }
    Image noisy(5, 4);
    for (int i = 0; i < 20; ++i) noisy.data()[i] = {std::uint8_t(i * 13), std::uint8_t(i), std::uint8_t(200 - i)};
    for (ResampleFilter filter : kAllFilters) EXPECT_EQ(resample(noisy, 5, -4, filter), noisy);
}

TEST(Resample, FastLinearMatchesHandWorkedValues) {
    const struct {
        const char* what;
        std::vector<int> in;
        int length;
        std::vector<int> expected;
    } cases[] = {
        // 2 -> 3: j = 1 sits at 2/3, whose fraction 87381/131072 is cut short
        // of 2/3, so 255 * 87381 / 131072 = 169.99 gives 169, not 170.
        {"growing", {0, 255}, 3, {0, 169, 255}},
        // 3 -> 7: positions 0, 3/7, 6/7, 9/7, ...; the cut fractions turn
        // 30 and 90 into 29 and 89, and past the last sample it repeats.
        {"growing past the end", {0, 70, 140}, 7, {0, 29, 59, 89, 119, 140, 140}},
        // 6 -> 3: means of samples 0..2, 2..4 and, for the last, 4..4.
        {"shrinking", {10, 20, 30, 40, 50, 60}, 3, {20, 40, 50}},
        // 4 -> 2: (1 + 2 + 2) / 3 truncates to 1; the last sample is never read.
        {"truncated mean", {1, 2, 2, 9}, 2, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(reds(resample(line(c.in), c.length, 1, ResampleFilter::FastLinear)), c.expected);
        EXPECT_EQ(reds(resample(line(c.in, true), 1, c.length, ResampleFilter::FastLinear)), c.expected);
    }
}

TEST(Resample, FastLinearRunsRowsThenColumnsOnBytes) {
    // Rows first: 0,255 -> 0,169,255; then the middle column 169,255 grows
    // to (169 * 43691 + 255 * 87381) >> 17 = 226 in the middle.
    Image image(2, 2, {255, 0, 7});
    image.at(0, 0) = {0, 255, 7};
    EXPECT_EQ(reds(resample(image, 3, 3, ResampleFilter::FastLinear)),
              (std::vector<int>{0, 169, 255, 169, 226, 255, 255, 255, 255}));
    // An axis of unchanged length still takes the mean of each sample and
    // the next one, while the other axis changes.
    Image row = line({0, 90, 30});
    EXPECT_EQ(reds(resample(row, 3, 2, ResampleFilter::FastLinear)), (std::vector<int>{45, 60, 30, 45, 60, 30}));
}

TEST(Resample, KernelFiltersWidenWhenShrinking) {
    // An impulse at sample 3 of 8, halved. Triangle widened to support 2:
    // output 1 weighs samples 1..4 by 1/8, 3/8, 3/8, 1/8 (3/8 * 255 = 95.6),
    // output 2 samples 3..6. Bilinear keeps support 1: output 1 is the mean
    // of samples 2 and 3. Nearest picks the centres 1, 3, 5, 7; the plain
    // stretch the corners 0, 2, 4, 6.
    const struct { ResampleFilter filter; std::vector<int> expected; } cases[] = {
        {ResampleFilter::Triangle, {0, 96, 32, 0}},
        {ResampleFilter::Linear, {0, 128, 0, 0}},
        {ResampleFilter::Nearest, {0, 255, 0, 0}},
        {ResampleFilter::None, {0, 0, 0, 0}},
    };
    const Image impulse = line({0, 0, 0, 255, 0, 0, 0, 0});
    for (const auto& c : cases) {
        EXPECT_EQ(reds(resample(impulse, 4, 1, c.filter)), c.expected) << int(c.filter);
        EXPECT_EQ(reds(resample(line({0, 0, 0, 255, 0, 0, 0, 0}, true), 1, 4, c.filter)), c.expected) << int(c.filter);
    }
}

TEST(Resample, FlatColourStaysExactAtAnySize) {
    Image flat(37, 23, {201, 3, 77});
    flat.ensureAlpha(99);
    for (ResampleFilter filter : kAllFilters) {
        for (const Size size : {Size{11, 7}, Size{100, 61}, Size{1, 1}, Size{37, 50}, Size{400, 3}}) {
            const Image out = resample(flat, size.width, size.height, filter);
            ASSERT_TRUE(out.hasAlpha());
            for (int i = 0; i < out.pixelCount(); ++i) {
                ASSERT_EQ(out.data()[i], (Rgb{201, 3, 77})) << int(filter) << " to " << size.width << "x" << size.height;
                ASSERT_EQ(out.alphaData()[i], 99);
            }
        }
    }
}

TEST(Resample, RampsSurviveTheVectorPathWithChannelsApart) {
    // A symmetric kernel keeps a ramp a ramp: output j of a 3x shrink lies
    // at source (j + 0.5) * 3 - 0.5 = 3j + 1, so red 2x gives 6j + 2 and
    // green its inverse. Large enough that the middle runs the vector code.
    Image ramp(240, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 240; ++x) ramp.at(x, y) = {std::uint8_t(x), std::uint8_t(255 - x), 7};
    for (ResampleFilter filter : {ResampleFilter::Lanczos3, ResampleFilter::Mitchell, ResampleFilter::Triangle,
                                  ResampleFilter::BSpline}) {
        const Image out = resample(ramp, 80, 40, filter);
        for (int y = 0; y < 40; y += 13)
            for (int j = 4; j < 76; ++j) {
                ASSERT_NEAR(out.at(j, y).r, 3 * j + 1, 1) << int(filter) << " at " << j;
                ASSERT_NEAR(out.at(j, y).g, 254 - 3 * j, 1) << int(filter) << " at " << j;
                ASSERT_EQ(out.at(j, y).b, 7);
            }
        // Turned, the column pass does the work, vector code and tail alike.
        const Image tall = resample(rotate(ramp, 90), 40, 80, filter);
        for (int x : {0, 21, 39})
            for (int j = 4; j < 76; ++j)
                ASSERT_NEAR(tall.at(x, 79 - j).g, 254 - 3 * j, 1) << int(filter) << " at " << x << "," << j;
    }
}

TEST(Resample, RingingIsClippedNotWrapped) {
    // Lanczos overshoots beside a hard edge; the overshoot must saturate.
    const Image step = line({0, 0, 0, 0, 255, 255, 255, 255});
    for (const Image& out : {resample(step, 40, 1, ResampleFilter::Lanczos3),
                             resample(line({0, 0, 0, 0, 255, 255, 255, 255}, true), 1, 40, ResampleFilter::Lanczos3)}) {
        const std::vector<int> values = reds(out);
        for (int i = 0; i < 15; ++i) EXPECT_LE(values[std::size_t(i)], 40) << i;
        for (int i = 25; i < 40; ++i) EXPECT_GE(values[std::size_t(i)], 215) << i;
    }
}

TEST(Resample, AlphaIsResampledWithThePicture) {
    Image image(8, 2, {10, 10, 10});
    image.ensureAlpha(0);
    for (int y = 0; y < 2; ++y) std::fill_n(image.alphaRow(y) + 4, 4, 255);
    for (ResampleFilter filter : kAllFilters) {
        const Image out = resample(image, 4, 1, filter);
        ASSERT_TRUE(out.hasAlpha()) << int(filter);
        EXPECT_EQ(out.alphaRow(0)[0], 0) << int(filter);
        EXPECT_EQ(out.alphaRow(0)[3], 255) << int(filter);
    }
    EXPECT_FALSE(resample(Image(8, 2, {}), 4, 1, ResampleFilter::Lanczos3).hasAlpha());
}

}  // namespace
}  // namespace qm
