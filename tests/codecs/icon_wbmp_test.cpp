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

// A 24-bit icon bitmap of one colour whose AND mask clears the top-left pixel.
Bytes iconBitmap(int side, Rgb colour) {
    const std::size_t stride = (std::size_t(side) * 3 + 3) / 4 * 4;
    Bytes b(40 + stride * side + 4 * side, 0);
    put32(b, 0, 40);
    put32(b, 4, std::uint32_t(side));
    put32(b, 8, std::uint32_t(2 * side));  // colour rows and mask rows
    b[12] = 1, b[14] = 24;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            std::uint8_t* p = &b[40 + y * stride + 3 * x];
            p[0] = colour.b, p[1] = colour.g, p[2] = colour.r;
        }
    b[40 + stride * side + 4 * (side - 1)] = 0x80;  // bottom-up: last mask row is the top
    return b;
}

Bytes iconFile(std::uint16_t kind, const std::vector<std::pair<int, Bytes>>& entries) {
    Bytes file = {0, 0, std::uint8_t(kind), 0, std::uint8_t(entries.size()), 0};
    std::size_t offset = 6 + 16 * entries.size();
    for (const auto& [side, data] : entries) {
        Bytes e(16, 0);
        e[0] = e[1] = std::uint8_t(side);
        e[4] = 1, e[6] = 24;
        put32(e, 8, std::uint32_t(data.size()));
        put32(e, 12, std::uint32_t(offset));
        file.insert(file.end(), e.begin(), e.end());
        offset += data.size();
    }
    for (const auto& entry : entries) file.insert(file.end(), entry.second.begin(), entry.second.end());
    return file;
}

TEST(Icon, ReadsTheLargestEntryWithItsMaskAsTransparency) {
    for (auto [format, kind] : {std::pair{icoFormat(), 1}, std::pair{curFormat(), 2}}) {
        SCOPED_TRACE(format.name);
        const Bytes file = iconFile(std::uint16_t(kind), {{2, iconBitmap(2, {1, 2, 3})}, {4, iconBitmap(4, {9, 8, 7})},
                                                          {3, iconBitmap(3, {4, 5, 6})}});
        ASSERT_TRUE(format.sniff(file));
        const Image image = format.decode(file, {.keepAlpha = true});
        ASSERT_EQ(image.width(), 4);
        EXPECT_EQ(image.at(3, 3), (Rgb{9, 8, 7}));
        ASSERT_TRUE(image.hasAlpha());
        EXPECT_EQ(image.alphaRow(0)[0], 0);
        EXPECT_EQ(image.alphaRow(0)[1], 255);
    }
}

TEST(Icon, PngEntriesGoThroughThePngReader) {
    const Image picture = testing::patternImage(5, 4);
    const Bytes png = pngFormat().encode(picture, {});
    EXPECT_EQ(icoFormat().decode(iconFile(1, {{5, png}}), {}), picture);
}

TEST(Icon, EmptyOrDamagedDirectoriesAreRefused) {
    Bytes offsetPastEnd = iconFile(1, {{2, iconBitmap(2, {1, 2, 3})}});
    put32(offsetPastEnd, 6 + 12, 5000);
    for (const Bytes& bad : {Bytes{0, 0, 1, 0, 0, 0}, Bytes{0, 0, 1, 0, 3, 0, 16}, offsetPastEnd}) {
        EXPECT_THROW(icoFormat().decode(bad, {}), Error);
    }
}

// 3 x 2 (1 is white), then a width of 130 written in two bytes.
TEST(Wbmp, ReadsTypeZeroWithMultiByteSizes) {
    const Image small = wbmpFormat().decode(Bytes{0, 0, 3, 2, 0b10100000, 0b01000000}, {});
    ASSERT_EQ(small.width(), 3);
    EXPECT_EQ(small.at(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(small.at(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(small.at(1, 1), (Rgb{255, 255, 255}));
    Bytes wide = {0, 0, 0x81, 0x02, 1};
    wide.resize(wide.size() + 17, 0xFF);
    EXPECT_EQ(wbmpFormat().decode(wide, {}).width(), 130);
    EXPECT_THROW(wbmpFormat().decode(Bytes{1, 0, 1, 1, 0}, {}), Error);  // type 1
    EXPECT_THROW(wbmpFormat().decode(Bytes{0, 0, 0x81, 0x02, 1, 0}, {}), Error);  // truncated
}

}  // namespace
}  // namespace qm::codecs
