#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "codecs/formats.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Long runs (past one packet), lone pixels and stretches of distinct ones,
// so every packet kind and packet limit of a run-length writer is used.
Image runsAndNoise(int width, int height) {
    Image image = testing::patternImage(width, height);
    for (int y = 0; y < height; y += 2)
        for (int x = 0; x < width * 3 / 4; ++x) image.at(x, y) = {0xC1, 0xFF, 0xC0};
    return image;
}

TEST(Targa, WriterRoundTripsWithAndWithoutRunLengthAndAlpha) {
    for (bool rle : {true, false})
        for (bool alpha : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "rle " << rle << " alpha " << alpha);
            Image original = runsAndNoise(300, 5);
            if (alpha) {
                original.ensureAlpha();
                for (int x = 0; x < 300; ++x) original.alphaRow(1)[x] = std::uint8_t(x);
            }
            SaveOptions options;
            options.tgaRle = rle;
            const Bytes file = tgaFormat().encode(original, options);
            EXPECT_EQ(file[2], rle ? 10 : 2);
            EXPECT_EQ(file[16], alpha ? 32 : 24);
            EXPECT_EQ(tgaFormat().decode(file, {.keepAlpha = true}), original);
        }
}

// A 2 x 2 colour-mapped run-length picture, stored top-down and right to
// left, whose map starts at index 5 and whose one run crosses the line end.
TEST(Targa, ColourMappedRunLengthHonoursMapStartOriginAndCrossingRuns) {
    const Bytes file = {0, 1, 9, 5, 0, 2, 0, 24, 0, 0, 0, 0, 2, 0, 2, 0, 8, 0x30,
                        10, 20, 30,  40, 50, 60,  // map entries 5 and 6 (blue, green, red)
                        0x82, 5,                  // three pixels of entry 5
                        0x00, 6};                 // one of entry 6
    const Image image = tgaFormat().decode(file, {});
    EXPECT_EQ(image.at(1, 0), (Rgb{30, 20, 10}));  // right to left: first pixel at the right
    EXPECT_EQ(image.at(0, 0), (Rgb{30, 20, 10}));
    EXPECT_EQ(image.at(1, 1), (Rgb{30, 20, 10}));
    EXPECT_EQ(image.at(0, 1), (Rgb{60, 50, 40}));
}

TEST(Targa, MapIndexOutsideTheMapIsRefused) {
    const Bytes file = {0, 1, 1, 5, 0, 1, 0, 24, 0, 0, 0, 0, 1, 0, 1, 0, 8, 0, 1, 2, 3, 4};
    EXPECT_THROW(tgaFormat().decode(file, {}), Error);
}

TEST(Pcx, WriterRoundTripsThreePlanesAtOddAndEvenWidths) {
    for (int width : {1, 2, 63, 64, 130}) {
        SCOPED_TRACE(width);
        const Image original = runsAndNoise(width, 4);
        const Bytes file = pcxFormat().encode(original, {});
        EXPECT_EQ(file[65], 3);                              // planes
        EXPECT_EQ((file[66] | (file[67] << 8)) % 2, 0);      // even line length
        EXPECT_EQ(pcxFormat().decode(file, {}), original);
    }
}

// A header claiming far more pixels than the data could expand to is
// refused before the picture is allocated.
TEST(Pcx, HeaderClaimingMoreThanTheDataHoldsIsRefused) {
    Bytes file(130, 0);
    file[0] = 0x0A, file[1] = 5, file[2] = 1, file[3] = 8;
    file[8] = 0x0F, file[9] = 0x27, file[10] = 0x0F, file[11] = 0x27;  // 10000 x 10000
    file[65] = 3, file[66] = 0x10, file[67] = 0x27;                   // 3 planes of 10000 bytes
    try {
        pcxFormat().decode(file, {});
        ADD_FAILURE() << "decoded";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "truncated PCX data");
    }
}

TEST(Dcx, ReadsTheFirstPage) {
    const Image page = testing::patternImage(5, 3);
    const Bytes pcx = pcxFormat().encode(page, {});
    Bytes dcx = {0xB1, 0x68, 0xDE, 0x3A, 12, 0, 0, 0, 0, 0, 0, 0};
    dcx.insert(dcx.end(), pcx.begin(), pcx.end());
    EXPECT_EQ(dcxFormat().decode(dcx, {}), page);
    dcx[4] = 200;
    EXPECT_THROW(dcxFormat().decode(dcx, {}), Error);
}

}  // namespace
}  // namespace qm::codecs
