#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using testing::TempDir;

Image blackAndWhite(int width, int height) {
    Image image(width, height, {255, 255, 255});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((x / 3 + y / 2) % 3 == 0 || x == y) image.at(x, y) = {0, 0, 0};
    return image;
}

TEST(Tiff, EveryCompressionRoundTrips) {
    TempDir dir;
    const Image colour = testing::patternImage(45, 37);
    const struct {
        TiffCompression compression;
        int tolerance;
    } cases[] = {{TiffCompression::None, 0},     {TiffCompression::Lzw, 0},   {TiffCompression::Deflate, 0},
                 {TiffCompression::PackBits, 0}, {TiffCompression::Jpeg, 12}};
    for (const auto& c : cases) {
        SaveOptions options;
        options.tiffCompression = c.compression;
        writeImage(colour, dir / "colour.tif", options);
        const Image back = readImage(dir / "colour.tif");
        ASSERT_EQ(back.width(), colour.width());
        ASSERT_EQ(back.height(), colour.height());
        EXPECT_LE(testing::maxChannelDifference(back, colour), c.tolerance) << int(c.compression);
    }
}

TEST(Tiff, FaxCompressionStoresBlackAndWhiteInOneBit) {
    TempDir dir;
    const Image page = blackAndWhite(203, 61);
    for (TiffCompression fax : {TiffCompression::FaxG3, TiffCompression::FaxG4}) {
        SaveOptions options;
        options.tiffCompression = fax;
        writeImage(page, dir / "page.tif", options);
        EXPECT_EQ(readImage(dir / "page.tif"), page);
        // One bit per pixel, compressed: far below a byte per pixel.
        EXPECT_LT(std::filesystem::file_size(dir / "page.tif"), std::uintmax_t(203 * 61 / 4));
    }
}

TEST(Tiff, FaxCompressionOfAColourPictureKeepsTheColours) {
    TempDir dir;
    SaveOptions options;
    options.tiffCompression = TiffCompression::FaxG4;
    writeImage(testing::patternImage(20, 10), dir / "photo.tif", options);
    EXPECT_EQ(readImage(dir / "photo.tif"), testing::patternImage(20, 10));
}

TEST(Tiff, AlphaIsStoredAndRead) {
    TempDir dir;
    Image image = testing::patternImage(9, 7);
    image.ensureAlpha();
    for (int x = 0; x < 9; ++x) image.alphaRow(3)[x] = std::uint8_t(x * 30);
    image.alphaRow(4)[0] = 0;
    writeImage(image, dir / "alpha.tiff");
    ReadHints keep;
    keep.keepAlpha = true;
    const Image back = readImage(dir / "alpha.tiff", keep);
    ASSERT_TRUE(back.hasAlpha());
    EXPECT_EQ(std::vector<std::uint8_t>(back.alphaData(), back.alphaData() + 63),
              std::vector<std::uint8_t>(image.alphaData(), image.alphaData() + 63));
    EXPECT_EQ(back.at(5, 5), image.at(5, 5));
    const Image flat = readImage(dir / "alpha.tiff");
    EXPECT_EQ(flat.at(0, 4), (Rgb{255, 255, 255}));
}

// The bytes of the one strip of a little-endian TIFF written by the program.
std::vector<std::uint8_t> onlyStrip(const std::vector<std::uint8_t>& tiff) {
    auto u16 = [&](std::size_t at) { return unsigned(tiff[at] | tiff[at + 1] << 8); };
    auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
    const std::size_t directory = u32(4);
    std::uint32_t offset = 0, count = 0;
    for (unsigned i = 0; i < u16(directory); ++i) {
        const std::size_t entry = directory + 2 + 12 * i;
        const std::uint32_t value = u16(entry + 2) == 3 ? u16(entry + 8) : u32(entry + 8);
        if (u16(entry) == 273) offset = value;
        if (u16(entry) == 279) count = value;
    }
    return {tiff.begin() + offset, tiff.begin() + offset + count};
}

TEST(Fax, RawGroup3DataFindsItsWidth) {
    TempDir dir;
    const Image page = blackAndWhite(2432, 40);
    SaveOptions options;
    options.tiffCompression = TiffCompression::FaxG3;
    writeImage(page, dir / "page.tif", options);
    testing::writeBytes(dir / "page.g3f", onlyStrip(testing::readBytes(dir / "page.tif")));
    EXPECT_EQ(readImage(dir / "page.g3f"), page);
}

TEST(TiffFax, DamagedFilesAreRefused) {
    TempDir dir;
    writeImage(testing::patternImage(64, 64), dir / "whole.tif");
    auto bytes = testing::readBytes(dir / "whole.tif");
    bytes.resize(bytes.size() / 3);
    testing::writeBytes(dir / "truncated.tif", bytes);
    testing::writeBytes(dir / "header-only.tif", {'I', 'I', 42, 0, 8, 0, 0, 0});
    testing::writeBytes(dir / "noise.fax", std::vector<std::uint8_t>(500, 0xA5));
    for (const char* name : {"truncated.tif", "header-only.tif", "noise.fax"})
        EXPECT_THROW(readImage(dir / name), Error) << name;
}

}  // namespace
}  // namespace qm::codecs
