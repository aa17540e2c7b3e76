// --border, --shadow and --canvas: their values, and the same pictures the
// window makes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/batch.h"
#include "cli/command_line.h"
#include "codecs/registry.h"
#include "core/compose.h"
#include "core/error.h"
#include "tools/soft_shadow.h"

namespace qm::cli {
namespace {

Image runOperation(const std::string& option, const std::string& value, Image picture) {
    const BatchJob job = parseCommandLine({option, value, "-o", "out.png", "in.png"}, {});
    for (const Step& step : job.steps) picture = step(std::move(picture));
    return picture;
}

TEST(ToolOperations, BadValuesAreRefusedBeforeAnyFileWithAReason) {
    const struct { const char* option; const char* value; const char* reason; } cases[] = {
        {"--shadow", "abc,3,3", "'abc' is not a valid floating point value"},
        {"--shadow", "3", "missing DX"},
        {"--shadow", "1e9,0,0", "too large"},
        {"--shadow", "3,40000,0", "too large"},
        {"--shadow", "3,3,3,background=#12", "not a colour"},
        {"--border", "-1,0,0,0", "'-1' is outside"},
        {"--border", "1,2,3", "missing R"},
        {"--border", "1,2,3,4,outside", "unexpected item 'outside'"},
        {"--canvas", "10000,5", "'10000' is outside 1..9999"},
        {"--canvas", "0,5", "'0' is outside"},
        {"--canvas", "5,5,anchor=middle", "'middle' is not one of"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value);
        try {
            parseCommandLine({c.option, c.value, "-o", "out.png", "in.png"}, {});
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.reason), std::string::npos) << error.what();
        }
    }
}

TEST(ToolOperations, BorderOutsideAndInside) {
    const Image picture(10, 10, Rgb{50, 60, 70});
    const Image outside = runOperation("--border", "1,2,3,4", picture);
    ASSERT_EQ(outside.width(), 16);
    ASSERT_EQ(outside.height(), 14);
    EXPECT_EQ(outside.at(2, 1), (Rgb{50, 60, 70}));
    EXPECT_EQ(outside.at(1, 1), (Rgb{0, 0, 0}));
    EXPECT_EQ(outside.at(12, 10), (Rgb{0, 0, 0}));
    const Image inside = runOperation("--border", "2,2,2,2,inside,color=#ff8000", picture);
    ASSERT_EQ(inside.width(), 10);
    EXPECT_EQ(inside.at(1, 5), (Rgb{255, 128, 0}));
    EXPECT_EQ(inside.at(2, 5), (Rgb{50, 60, 70}));
}

TEST(ToolOperations, ShadowIsTheWindowsShadowOnSilverUnlessAskedOtherwise) {
    const Image picture(20, 12, Rgb{255, 10, 100});
    Image expected = picture;
    addSoftShadow(expected, {3, 3, 3, Rgb{0, 0, 0}});
    Image transparent = expected;
    removeAlpha(expected, Rgb{192, 192, 192});
    EXPECT_EQ(runOperation("--shadow", "3,3,3", picture), expected);
    EXPECT_EQ(runOperation("--shadow", "3,3,3,background=none", picture), transparent);
    const Image onWhite = runOperation("--shadow", "2.5,-4,1,color=#0000ff,background=#ffffff", picture);
    EXPECT_FALSE(onWhite.hasAlpha());
    EXPECT_EQ(onWhite.at(0, 0), (Rgb{255, 255, 255}));
}

TEST(ToolOperations, TransparentShadowIsWrittenOnlyWhereAlphaCanBeStored) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillmount-shadow-alpha";
    std::filesystem::create_directories(dir);
    codecs::writeImage(Image(8, 6, Rgb{9, 9, 9}), dir / "in.png");
    const auto job = [&](const std::string& out) {
        return parseCommandLine({"--shadow", "1,2,2,background=none", "-o", (dir / out).string(), (dir / "in.png").string()}, {});
    };
    processFile(job("out.png"), dir / "in.png", dir / "out.png");
    const Image written = codecs::readImage(dir / "out.png", {.keepAlpha = true});
    EXPECT_TRUE(written.hasAlpha());
    EXPECT_EQ(written.alphaRow(0)[0], 0);
    try {
        processFile(job("out.bmp"), dir / "in.png", dir / "out.bmp");
        ADD_FAILURE() << "a BMP was written with the transparency lost";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("cannot store the transparency"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
    std::filesystem::remove_all(dir);
}

TEST(ToolOperations, CanvasAnchorsAndColour) {
    Image picture(4, 2, Rgb{1, 2, 3});
    const Image centred = runOperation("--canvas", "7,4", picture);
    EXPECT_EQ(centred.at(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(centred.at(1, 1), (Rgb{1, 2, 3}));   // half of 3 is 1
    EXPECT_EQ(centred.at(5, 2), (Rgb{255, 255, 255}));
    const Image corner = runOperation("--canvas", "7,4,anchor=bottom-right,color=#102030", picture);
    EXPECT_EQ(corner.at(3, 2), (Rgb{1, 2, 3}));
    EXPECT_EQ(corner.at(2, 3), (Rgb{16, 32, 48}));
    const Image cut = runOperation("--canvas", "2,2,anchor=top-right", picture);
    EXPECT_EQ(cut.width(), 2);
    EXPECT_EQ(cut.at(0, 0), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace qm::cli
