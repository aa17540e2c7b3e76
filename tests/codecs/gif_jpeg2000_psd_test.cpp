#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "codecs/quantize.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using testing::TempDir;

const Rgb kWhite{255, 255, 255};

// Expected pixels are ImageMagick's flattening of the same fixtures.
TEST(Gif, TransparencyAndUncoveredScreenBecomeWhite) {
    const Image interlaced = readImage(testing::kTestData / "gif-interlaced-with-transparent-pixels.gif");
    ASSERT_EQ(interlaced.width(), 5);
    ASSERT_EQ(interlaced.height(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool transparent = (x == 3 && y == 1) || (x == 1 && y == 3);
            EXPECT_EQ(interlaced.at(x, y), transparent ? kWhite : (Rgb{255, 0, 0})) << x << "," << y;
        }
    const Image framed = readImage(testing::kTestData / "gif-frame-smaller-than-screen.gif");
    ASSERT_EQ(framed.width(), 6);
    ASSERT_EQ(framed.height(), 5);
    EXPECT_EQ(framed.at(0, 0), kWhite);
    EXPECT_EQ(framed.at(2, 1), (Rgb{0, 255, 0}));
    EXPECT_EQ(framed.at(4, 2), (Rgb{0, 255, 0}));
    EXPECT_EQ(framed.at(5, 2), kWhite);
    EXPECT_EQ(framed.at(2, 3), kWhite);
}

TEST(Gif, FewColoursRoundTripExactly) {
    TempDir dir;
    Image image(40, 30, {10, 20, 30});
    for (int i = 0; i < 30; ++i) image.at(i, i) = {std::uint8_t(i * 8), 200, std::uint8_t(255 - i)};
    writeImage(image, dir / "few.gif");
    EXPECT_EQ(readImage(dir / "few.gif"), image);
}

// Mean absolute channel difference of `block` x `block` averages: what
// the eye sees of a dithered picture.
double meanError(const Image& a, const Image& b, int block) {
    double sum = 0;
    int blocks = 0;
    for (int by = 0; by + block <= a.height(); by += block)
        for (int bx = 0; bx + block <= a.width(); bx += block, ++blocks) {
            int d[3] = {0, 0, 0};
            for (int y = by; y < by + block; ++y)
                for (int x = bx; x < bx + block; ++x) {
                    d[0] += a.at(x, y).r - b.at(x, y).r;
                    d[1] += a.at(x, y).g - b.at(x, y).g;
                    d[2] += a.at(x, y).b - b.at(x, y).b;
                }
            sum += (std::abs(d[0]) + std::abs(d[1]) + std::abs(d[2])) / double(block * block);
        }
    return sum / (3.0 * blocks);
}

TEST(Gif, ManyColoursAreReducedToAGoodPalette) {
    TempDir dir;
    const Image photo = testing::patternImage(256, 128);  // over 30 000 colours
    SaveOptions plain;
    plain.gifDither = false;
    writeImage(photo, dir / "dithered.gif");
    writeImage(photo, dir / "plain.gif", plain);
    const Image dithered = readImage(dir / "dithered.gif"), banded = readImage(dir / "plain.gif");
    EXPECT_LT(meanError(banded, photo, 1), 4.0);
    EXPECT_LE(testing::maxChannelDifference(banded, photo), 24);
    // Dithering trades a little per-pixel error for smooth areas.
    EXPECT_LT(meanError(dithered, photo, 4), meanError(banded, photo, 4));
    EXPECT_LT(meanError(dithered, photo, 4), 1.5);
    const IndexedImage indexed = quantize(photo, 256, true);
    EXPECT_LE(indexed.palette.size(), 256u);
    EXPECT_GT(indexed.palette.size(), 200u);
}

TEST(JpegTwoThousand, FileAndCodeStreamRoundTrip) {
    TempDir dir;
    const Image image = testing::patternImage(61, 43);
    SaveOptions lossy;
    lossy.jpeg2000Rate = 20;
    const struct {
        const char* name;
        SaveOptions options;
        int tolerance;
        std::vector<std::uint8_t> magic;
    } cases[] = {{"lossless.jp2", {}, 0, {0, 0, 0, 0x0C, 'j', 'P'}},
                 {"lossless.j2k", {}, 0, {0xFF, 0x4F, 0xFF, 0x51}},
                 {"lossy.jp2", lossy, 24, {0, 0, 0, 0x0C, 'j', 'P'}}};
    for (const auto& c : cases) {
        writeImage(image, dir / c.name, c.options);
        const auto bytes = testing::readBytes(dir / c.name);
        ASSERT_GE(bytes.size(), c.magic.size());
        EXPECT_TRUE(std::equal(c.magic.begin(), c.magic.end(), bytes.begin())) << c.name;
        const Image back = readImage(dir / c.name);
        ASSERT_EQ(back.width(), image.width());
        ASSERT_EQ(back.height(), image.height());
        EXPECT_LE(testing::maxChannelDifference(back, image), c.tolerance) << c.name;
    }
    EXPECT_LT(std::filesystem::file_size(dir / "lossy.jp2"), std::filesystem::file_size(dir / "lossless.jp2"));
    writeImage(Image(1, 1, {9, 8, 7}), dir / "tiny.j2k");
    EXPECT_EQ(readImage(dir / "tiny.j2k"), Image(1, 1, {9, 8, 7}));
}

TEST(JpegTwoThousand, MinimumSideDecodesFewerLevels) {
    TempDir dir;
    writeImage(testing::patternImage(400, 300), dir / "big.jp2");
    const struct {
        int minimumSide, width, height;
    } cases[] = {{0, 400, 300}, {100, 100, 75}, {120, 200, 150}, {10, 13, 10}};
    for (const auto& c : cases) {
        ReadHints hints;
        hints.minimumSide = c.minimumSide;
        const Image image = readImage(dir / "big.jp2", hints);
        EXPECT_EQ(image.width(), c.width) << c.minimumSide;
        EXPECT_EQ(image.height(), c.height) << c.minimumSide;
    }
}

TEST(Psd, FlatPictureRoundTripsRawAndPacked) {
    TempDir dir;
    Image image = testing::patternImage(130, 20);  // rows longer than one PackBits run
    for (int x = 0; x < 130; ++x) image.at(x, 5) = {1, 2, 3};
    SaveOptions raw;
    raw.psdRle = false;
    writeImage(image, dir / "packed.psd");
    writeImage(image, dir / "raw.psd", raw);
    EXPECT_EQ(readImage(dir / "packed.psd"), image);
    EXPECT_EQ(readImage(dir / "raw.psd"), image);
    writeImage(Image(300, 200, kWhite), dir / "flat.psd");
    EXPECT_LT(std::filesystem::file_size(dir / "flat.psd"), 5000u);
}

TEST(GifJpegTwoThousandPsd, TruncatedFilesAreRefused) {
    TempDir dir;
    const Image image = testing::patternImage(64, 64);
    for (const char* name : {"whole.gif", "whole.jp2", "whole.j2k", "whole.psd"}) {
        writeImage(image, dir / name);
        auto bytes = testing::readBytes(dir / name);
        bytes.resize(bytes.size() / 2);
        const auto truncated = dir / ("truncated-" + std::string(name));
        testing::writeBytes(truncated, bytes);
        EXPECT_THROW(readImage(truncated), Error) << name;
    }
}

}  // namespace
}  // namespace qm::codecs
