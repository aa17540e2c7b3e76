#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
}

// A Windows BMP with a 40-byte header, an 8-bit palette of `colours`
// (index i is grey i*50) and the given pixel bytes.
Bytes indexedBmp(int width, int height, std::uint32_t compression, const Bytes& pixels, int colours = 4) {
    Bytes b(54 + 4 * colours, 0);
    b[0] = 'B', b[1] = 'M';
    put32(b, 10, std::uint32_t(b.size()));
    put32(b, 14, 40);
    put32(b, 18, std::uint32_t(width));
    put32(b, 22, std::uint32_t(height));
    b[26] = 1, b[28] = compression == 2 ? 4 : 8;
    put32(b, 30, compression);
    put32(b, 46, std::uint32_t(colours));
    for (int i = 0; i < colours; ++i) b[54 + 4 * i] = b[55 + 4 * i] = b[56 + 4 * i] = std::uint8_t(i * 50);
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

std::uint8_t grey(const Image& image, int x, int y) { return image.at(x, y).r; }

TEST(Bmp, WritersRoundTripBothFlavoursAtEveryRowPadding) {
    for (BmpFlavour flavour : {BmpFlavour::Windows, BmpFlavour::Os2})
        for (int width : {1, 2, 3, 4, 5}) {
            SCOPED_TRACE(width);
            const Image original = testing::patternImage(width, 3);
            SaveOptions options;
            options.bmpFlavour = flavour;
            const Bytes file = bmpFormat().encode(original, options);
            EXPECT_EQ(file[14], flavour == BmpFlavour::Os2 ? 12 : 40);  // info header size
            EXPECT_EQ(file.size(), 14u + file[14] + (std::size_t(width) * 3 + 3) / 4 * 4 * 3);
            EXPECT_EQ(bmpFormat().decode(file, {}), original);
        }
}

// 4 x 3, bottom row first: a run, a delta over the rest of the bottom row
// and into the middle one, an absolute stretch, end of line, end of bitmap.
TEST(Bmp, Rle8EscapesPlacePixelsAndLeaveSkippedOnesTransparent) {
    const Bytes rle = {2, 1,           // bottom row: two pixels of index 1
                       0, 2, 1, 1,     // delta: one right, one up -> (3, middle)
                       1, 2,           // one pixel of index 2 at the end of the middle row
                       0, 0,           // end of line -> top row
                       0, 3, 3, 2, 1, 0,  // absolute: 3, 2, 1 and a pad byte
                       0, 1};          // end of bitmap
    const Image image = bmpFormat().decode(indexedBmp(4, 3, 1, rle), {.keepAlpha = true});
    ASSERT_TRUE(image.hasAlpha());
    EXPECT_EQ(grey(image, 0, 2), 50);
    EXPECT_EQ(grey(image, 1, 2), 50);
    EXPECT_EQ(image.alphaRow(2)[2], 0);  // skipped by the delta
    EXPECT_EQ(image.alphaRow(1)[0], 0);
    EXPECT_EQ(grey(image, 3, 1), 100);
    EXPECT_EQ(image.alphaRow(1)[3], 255);
    EXPECT_EQ(grey(image, 0, 0), 150);
    EXPECT_EQ(grey(image, 1, 0), 100);
    EXPECT_EQ(grey(image, 2, 0), 50);
    EXPECT_EQ(image.alphaRow(0)[3], 0);  // after end of bitmap
}

// Odd widths make RLE4 writers emit one nibble too many; it must be dropped,
// not wrap into the next row.
TEST(Bmp, Rle4DropsPaddingNibblesPastTheRightEdge) {
    const Bytes rle = {4, 0x12, 0, 0,           // bottom row: 1 2 1 (and a spare 2)
                       0, 3, 0x32, 0x10, 0, 0,  // absolute 3 2 1 (two bytes), end of line
                       0, 1};
    const Image image = bmpFormat().decode(indexedBmp(3, 2, 2, rle), {});
    EXPECT_EQ(grey(image, 0, 1), 50);
    EXPECT_EQ(grey(image, 1, 1), 100);
    EXPECT_EQ(grey(image, 2, 1), 50);
    EXPECT_EQ(grey(image, 0, 0), 150);
    EXPECT_EQ(grey(image, 2, 0), 50);
    EXPECT_FALSE(image.hasAlpha());
}

TEST(Bmp, DamagedRunLengthDataIsRefused) {
    const struct {
        const char* what;
        Bytes rle;
    } cases[] = {
        {"delta past the top", {0, 2, 0, 5, 0, 1}},
        {"index beyond the palette", {1, 9, 0, 1}},
        {"data ends before the picture", {2, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(bmpFormat().decode(indexedBmp(2, 2, 1, c.rle), {}), Error);
    }
}

// Found by the fuzzer: 258 bytes whose end-of-bitmap escape comes at once
// would have cost 1.5 GB and many seconds to show as blank.
TEST(Bmp, TinyRunLengthFileClaimingAHugePictureIsRefused) {
    const Bytes file =
        testing::readBytes(testing::kTestData / "fuzz-regressions/bmp/rle4-258-bytes-claiming-400-megapixels.bmp");
    ASSERT_EQ(file.size(), 258u);
    EXPECT_THROW(bmpFormat().decode(file, {}), Error);
}

// Bit fields with alpha; a plane that is zero everywhere means the writer
// never filled it in, so the picture stays opaque.
TEST(Bmp, AlphaBitFieldsAreKeptUnlessAllZero) {
    for (std::uint8_t alpha : {0x80, 0x00}) {
        Bytes b(70 + 4, 0);
        b[0] = 'B', b[1] = 'M';
        put32(b, 10, 70);
        put32(b, 14, 40);
        put32(b, 18, 1), put32(b, 22, 1);
        b[26] = 1, b[28] = 32;
        put32(b, 30, 6);  // alpha bit fields
        put32(b, 54, 0x00FF0000), put32(b, 58, 0x0000FF00), put32(b, 62, 0x000000FF), put32(b, 66, 0xFF000000);
        b[70] = 30, b[71] = 20, b[72] = 10, b[73] = alpha;
        const Image image = bmpFormat().decode(b, {.keepAlpha = true});
        EXPECT_EQ(image.at(0, 0), (Rgb{10, 20, 30}));
        EXPECT_EQ(image.hasAlpha(), alpha != 0);
        if (image.hasAlpha()) {
            EXPECT_EQ(image.alphaRow(0)[0], alpha);
        }
    }
}

}  // namespace
}  // namespace qm::codecs
