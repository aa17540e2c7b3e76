#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <unistd.h>

#include "core/error.h"
#include "mask/mask_builder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

Rgb grey(int v) { return {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}; }

// A one-row picture of the given grey levels.
Image greyRow(std::initializer_list<int> levels) {
    Image row(int(levels.size()), 1);
    int x = 0;
    for (int v : levels) row.at(x++, 0) = grey(v);
    return row;
}

std::vector<int> redRow(const Image& image, int y) {
    std::vector<int> out;
    for (int x = 0; x < image.width(); ++x) out.push_back(image.at(x, y).r);
    return out;
}

// Files that exist on disk (empty), decoded by a table instead of codecs, so
// the build's decisions are tested apart from the readers. A file missing
// from the table does not decode.
class MaskBuild : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("mask-build-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name, std::optional<Image> decodesTo = std::nullopt) {
        const fs::path path = dir_ / name;
        std::ofstream(path).put('x');
        if (decodesTo) pictures_[path] = *decodesTo;
        return path;
    }
    MaskResult build(const Image& picture, const fs::path& mask, const MaskOptions& options) {
        return buildMask(picture, mask, options, [this](const fs::path& path) {
            auto it = pictures_.find(path);
            if (it == pictures_.end()) throw Error(path.string() + ": unknown picture format");
            return it->second;
        });
    }

    fs::path dir_;
    std::map<fs::path, Image> pictures_;
};

MaskOptions colourBackground(Rgb colour, int opacity = 100, bool invert = false) {
    MaskOptions o;
    o.background = MaskBackground::Color;
    o.backColor = ColorChoice::of(colour);
    o.opacity = opacity;
    o.invertMask = invert;
    return o;
}

TEST_F(MaskBuild, MaskLevelOpacityAndInversionSetTheBlend) {
    struct Case {
        int maskLevel, opacity;
        bool invert;
        int picture, background, expected;
    };
    const Case cases[] = {
        {0, 0, false, 40, 200, 40},       // opacity 0 keeps the picture
        {255, 100, false, 40, 200, 40},   // white mask shows the picture
        {0, 100, false, 40, 200, 200},    // black mask shows the background
        {0, 50, false, 0, 255, 127},      // alpha floor(255 * 50 / 100) = 127
        {255, 100, true, 40, 200, 200},   // inverted: white shows the background
        {0, 100, true, 40, 200, 40},
        {155, 100, false, 0, 255, 100},   // grey blends: alpha 100
        {155, 33, false, 0, 255, 33},     // alpha floor(100 * 33 / 100) = 33
        {64, 70, true, 10, 250, 51},      // alpha 44: (250*44 + 10*211) / 255 = 51.41
    };
    const fs::path mask = file("mask.png");
    for (const Case& c : cases) {
        pictures_[mask] = Image(5, 3, grey(c.maskLevel));
        const MaskResult r = build(Image(5, 3, grey(c.picture)), mask,
                                   colourBackground(grey(c.background), c.opacity, c.invert));
        ASSERT_TRUE(r.picture) << c.maskLevel;
        EXPECT_EQ(r.picture->at(4, 2), grey(c.expected))
            << "mask " << c.maskLevel << " opacity " << c.opacity << " invert " << c.invert;
        EXPECT_FALSE(r.picture->hasAlpha());
        EXPECT_TRUE(r.messages.empty());
    }
}

TEST_F(MaskBuild, OnlyTheRedChannelOfTheMaskCounts) {
    const fs::path mask = file("mask.png", Image(2, 2, Rgb{0, 255, 255}));
    const MaskResult r = build(Image(2, 2, grey(10)), mask, colourBackground({200, 100, 50}));
    ASSERT_TRUE(r.picture);
    EXPECT_EQ(r.picture->at(1, 1), (Rgb{200, 100, 50}));
}

TEST_F(MaskBuild, AMaskOfAnotherSizeIsScaledToThePicture) {
    // Left half white (picture), right half black (background) at 2 x 1.
    const fs::path mask = file("mask.png", greyRow({255, 0}));
    const MaskResult r = build(Image(8, 3, grey(0)), mask, colourBackground(grey(200)));
    ASSERT_TRUE(r.picture);
    ASSERT_EQ(r.picture->width(), 8);
    ASSERT_EQ(r.picture->height(), 3);
    EXPECT_EQ(r.picture->at(0, 2), grey(0));
    EXPECT_EQ(r.picture->at(7, 2), grey(200));
}

TEST_F(MaskBuild, AutomaticBackColourPaintsBlack) {
    MaskOptions o = colourBackground({});
    o.backColor = ColorChoice::automaticColor();
    const fs::path mask = file("mask.png", Image(3, 3, grey(0)));
    EXPECT_EQ(build(Image(3, 3, grey(90)), mask, o).picture->at(1, 1), grey(0));
}

TEST_F(MaskBuild, MissingMaskDoesNothingSilently) {
    const MaskResult r = build(Image(3, 3, grey(1)), dir_ / "gone.png", colourBackground(grey(2)));
    EXPECT_FALSE(r.picture);
    EXPECT_TRUE(r.messages.empty());
}

TEST_F(MaskBuild, UndecodableMaskDoesNothingAndNamesTheFile) {
    const fs::path mask = file("png-that-is-text.png");
    const MaskResult r = build(Image(3, 3, grey(1)), mask, colourBackground(grey(2)));
    EXPECT_FALSE(r.picture);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], "The file: " + mask.string() + "\n\rcannot be read as a picture: unknown picture format");
}

// With every background that cannot be painted, the prepared mask itself is
// the background: a grey 100 mask becomes 155, alpha 155 over black gives
// round(155 * 155 / 255) = 94.
TEST_F(MaskBuild, UnusableBackgroundsLeaveTheMaskAsBackground) {
    struct Case {
        const char* name;
        MaskBackground kind;
        std::string backgroundFile;
        bool textureListed, textureExists, textureDecodes;
        std::string expectedMessageStart;
    };
    const fs::path undecodable = file("jpeg-that-is-empty.jpg");
    const Case cases[] = {
        {"file, empty path", MaskBackground::File, "", false, false, false, "The file: \n\rdoes not exist."},
        {"file, wrong path", MaskBackground::File, (dir_ / "nope.bmp").string(), false, false, false,
         "The file: " + (dir_ / "nope.bmp").string() + "\n\rdoes not exist."},
        {"file, undecodable", MaskBackground::File, undecodable.string(), false, false, false,
         "The file: " + undecodable.string() + "\n\rcannot be read"},
        {"no texture listed", MaskBackground::Texture, "", false, false, false, ""},
        {"texture missing", MaskBackground::Texture, "", true, false, false, ""},
        {"texture undecodable", MaskBackground::Texture, "", true, true, false, "The file: "},
    };
    const fs::path mask = file("mask.png", Image(4, 4, grey(100)));
    for (const Case& c : cases) {
        MaskOptions o;
        o.background = c.kind;
        o.backgroundFile = c.backgroundFile;
        if (c.textureListed) o.texture = c.textureExists ? undecodable : dir_ / "gone.png";
        const MaskResult r = build(Image(4, 4, grey(0)), mask, o);
        ASSERT_TRUE(r.picture) << c.name;
        EXPECT_EQ(r.picture->at(2, 3), grey(94)) << c.name;
        if (c.expectedMessageStart.empty()) {
            EXPECT_TRUE(r.messages.empty()) << c.name;
        } else {
            ASSERT_EQ(r.messages.size(), 1u) << c.name;
            EXPECT_EQ(r.messages[0].rfind(c.expectedMessageStart, 0), 0u) << c.name << ": " << r.messages[0];
        }
    }
}

TEST_F(MaskBuild, TextureAndFileBackgroundsAreTiled) {
    Image tile(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) tile.at(x, y) = {std::uint8_t(10 * x), std::uint8_t(10 * y), 5};
    const fs::path tileFile = file("tile.png", tile);
    const fs::path mask = file("mask.png", Image(1, 1, grey(0)));
    for (MaskBackground kind : {MaskBackground::Texture, MaskBackground::File}) {
        MaskOptions o;
        o.background = kind;
        o.texture = tileFile;
        o.backgroundFile = tileFile.string();
        const MaskResult r = build(Image(7, 5, grey(0)), mask, o);
        ASSERT_TRUE(r.picture);
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(r.picture->at(6, 4), tile.at(0, 0));
        EXPECT_EQ(r.picture->at(5, 3), tile.at(2, 1));
    }
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {1, -255, 2, -128}, {1, 255, 2, 128}, {-3, 5, 2, -8}, {3, -5, -2, 8},
        {1, -255, 49, -5},  {24, -255, 49, -125}, {5, 7, 3, 12}, {0, 9, 4, 0},
        {1, 1, 0, -1},      {65536, 65536, 1, -1},  // divisor zero; quotient too large
        {65536, 65536, 4, 1 << 30},                // the product alone would overflow
    };
    for (const Case& c : cases) EXPECT_EQ(mulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Gradient, DefaultOnAHundredRowsRunsInTwoRowBands) {
    Image canvas(3, 100, grey(77));
    paintGradient(canvas, GradientDirection::Vertical, grey(255), grey(0));
    for (int band = 0; band < 50; ++band) {
        const Rgb expected = grey(255 + mulDiv(band, -255, 49));
        EXPECT_EQ(canvas.at(0, 2 * band), expected) << band;
        EXPECT_EQ(canvas.at(2, 2 * band + 1), expected) << band;
    }
    EXPECT_EQ(canvas.at(1, 0), grey(255));
    EXPECT_EQ(canvas.at(1, 2), grey(250));
    EXPECT_EQ(canvas.at(1, 49), grey(130));
    EXPECT_EQ(canvas.at(1, 99), grey(0));
}

TEST(Gradient, ShortAndOddAxes) {
    struct Case {
        int length;
        std::vector<int> expected;  // one value per line, start 0 and end 200
    };
    const Case cases[] = {
        {1, {0}},
        {2, {0, 0}},
        {3, {0, 0, 0}},
        {4, {0, 0, 200, 200}},
        {5, {0, 0, 200, 200, 200}},
        {6, {0, 0, 100, 100, 200, 200}},
        {7, {0, 0, 100, 100, 200, 200, 200}},
    };
    for (const Case& c : cases) {
        Image rows(2, c.length, grey(9));
        paintGradient(rows, GradientDirection::Vertical, grey(0), grey(200));
        Image columns(c.length, 2, grey(9));
        paintGradient(columns, GradientDirection::Horizontal, grey(0), grey(200));
        for (int i = 0; i < c.length; ++i) {
            EXPECT_EQ(rows.at(1, i), grey(c.expected[i])) << "vertical " << c.length << " line " << i;
            EXPECT_EQ(columns.at(i, 1), grey(c.expected[i])) << "horizontal " << c.length << " line " << i;
        }
    }
}

TEST(Gradient, ChannelsRunSeparatelyAndMidpointsRoundAwayFromZero) {
    Image canvas(6, 1);
    paintGradient(canvas, GradientDirection::Horizontal, {255, 0, 10}, {0, 255, 10});
    EXPECT_EQ(canvas.at(2, 0), (Rgb{127, 128, 10}));
}

TEST(Tiling, SixtyFourSquareTileOnTwoHundredByHundred) {
    Image tile(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) tile.at(x, y) = {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)};
    Image canvas(200, 100, grey(255));
    tileOver(canvas, tile);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) ASSERT_EQ(canvas.at(x, y), tile.at(x % 64, y % 64)) << x << "," << y;
}

TEST(Tiling, TileLargerThanTheCanvasGivesItsTopLeft) {
    Image tile(5, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) tile.at(x, y) = grey(10 * x + y);
    Image canvas(2, 3, grey(255));
    tileOver(canvas, tile);
    EXPECT_EQ(canvas.at(1, 2), grey(12));
}

TEST(PrepareMask, FastLinearGrowsAndShrinksAsWorkedByHand) {
    struct Case {
        Image mask;
        int width;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // Growing 2 -> 8: p = j / 4, linear between neighbours, the last sample repeats.
        {greyRow({0, 200}), 8, {0, 50, 100, 150, 200, 200, 200, 200}},
        // Shrinking 6 -> 4: truncated means over samples floor(j * 1.5) ... floor(min(j + 1, 3) * 1.5).
        {greyRow({0, 11, 20, 30, 41, 50}), 4, {5, 20, 35, 41}},
        // Same length: unchanged.
        {greyRow({3, 1, 4}), 3, {3, 1, 4}},
    };
    for (const Case& c : cases) {
        const Image kept = prepareMask(c.mask, c.width, 1, /*invertMask=*/true);
        EXPECT_EQ(redRow(kept, 0), c.expected) << c.mask.width() << " -> " << c.width;
    }
}

TEST(PrepareMask, VerticalPassAndNegative) {
    Image column(1, 2);
    column.at(0, 0) = grey(0);
    column.at(0, 1) = grey(200);
    const Image grown = prepareMask(column, 2, 4, /*invertMask=*/false);
    ASSERT_EQ(grown.width(), 2);
    ASSERT_EQ(grown.height(), 4);
    const int expected[] = {255, 155, 55, 55};
    for (int y = 0; y < 4; ++y) EXPECT_EQ(grown.at(1, y), grey(expected[y])) << y;
}

}  // namespace
}  // namespace qm
