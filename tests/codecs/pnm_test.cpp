#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "codecs/formats.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using namespace std::literals;

using Bytes = std::vector<std::uint8_t>;

Bytes text(std::string_view s) { return {s.begin(), s.end()}; }

std::uint8_t luma(Rgb c) { return std::uint8_t((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000); }

// The fixture stores 0, 500 and 1000 (and a value above the maximum).
TEST(Pnm, AsciiWithMaximumValue1000IsScaledToEightBits) {
    const Image image = readImage(testing::kTestData / "ascii-maxval-1000.ppm");
    ASSERT_EQ(image.width(), 2);
    ASSERT_EQ(image.height(), 2);
    EXPECT_EQ(image.at(0, 0), (Rgb{0, 128, 255}));
    EXPECT_EQ(image.at(1, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(image.at(0, 1), (Rgb{1, 254, 128}));
    EXPECT_EQ(image.at(1, 1), (Rgb{255, 255, 255}));
}

TEST(Pnm, HeadersWithCommentsAnywhereAndSixteenBitSamples) {
    const struct {
        const char* what;
        Bytes file;
        Rgb first;
    } cases[] = {
        {"comments between every field", text("P2#c\n# more\n1#w\n1 # h\n#\n255\n77\n"), {77, 77, 77}},
        {"text bitmap without separators", text("P1\n2 1\n01"), {255, 255, 255}},
        {"16-bit binary, big-endian", text("P5 1 1 65535\n\x80\x00"sv), {128, 128, 128}},
        {"binary bitmap, 1 is black", text("P4 1 1\n\x80"), {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pnmFormat().decode(c.file, {}).at(0, 0), c.first);
    }
}

TEST(Pnm, DamagedHeadersAreRefused) {
    for (const char* bad : {"P7 1 1 255\n", "P6 0 1 255\n", "P6 1 1 0\n", "P6 1 1 70000\n", "P6 -1 1 255\n",
                            "P3 1 1 255\n1 2 x\n", "P1 1 1\n2", "P6 99999999999 1 255\n"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(pnmFormat().decode(text(bad), {}), Error);
    }
}

// The writer follows the extension: colour, grey (luma) or black and white
// (threshold at the middle), each binary or as text.
TEST(Pnm, WriterPicksTheKindFromTheExtension) {
    testing::TempDir dir;
    const Image original = testing::patternImage(9, 4);
    for (bool ascii : {false, true})
        for (const char* name : {"a.ppm", "a.pxm", "a.pgm", "a.pbm"}) {
            SCOPED_TRACE(::testing::Message() << name << " ascii " << ascii);
            SaveOptions options;
            options.pnmAscii = ascii;
            writeImage(original, dir / name, options);
            const Bytes file = testing::readBytes(dir / name);
            const char kind = std::string(name) == "a.pgm" ? '2' : std::string(name) == "a.pbm" ? '1' : '3';
            EXPECT_EQ(file[1], ascii ? kind : char(kind + 3));
            const Image back = readImage(dir / name);
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 9; ++x) {
                    const Rgb c = original.at(x, y);
                    const std::uint8_t l = luma(c), bw = l < 128 ? 0 : 255;
                    const Rgb expected = file[1] == '2' || file[1] == '5'   ? Rgb{l, l, l}
                                         : file[1] == '1' || file[1] == '4' ? Rgb{bw, bw, bw}
                                                                            : c;
                    ASSERT_EQ(back.at(x, y), expected) << x << "," << y;
                }
        }
}

TEST(Pnm, TextLinesStayWithinSeventyCharacters) {
    SaveOptions options;
    options.pnmAscii = true;
    const Bytes file = pnmFormat().encode(Image(100, 2, {255, 255, 255}), options);
    std::size_t column = 0;
    for (std::uint8_t c : file) {
        column = c == '\n' ? 0 : column + 1;
        ASSERT_LE(column, 70u);
    }
}

}  // namespace
}  // namespace qm::codecs
