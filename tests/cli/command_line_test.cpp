#include <gtest/gtest.h>

#include "cli/command_line.h"
#include "cli/option_value.h"
#include "core/error.h"

namespace qm::cli {
namespace {

BatchJob parse(std::vector<std::string> arguments) { return parseCommandLine(arguments, {}); }

std::string usageErrorOf(std::vector<std::string> arguments) {
    try {
        parse(std::move(arguments));
    } catch (const UsageError& error) {
        return error.what();
    }
    return "(accepted)";
}

TEST(OptionValue, PositionalsKeysAndFlagsAreTakenApart) {
    OptionValue value("--frame", "wood3,inside,thickness=20,colour=#FF8000,edge=auto");
    EXPECT_TRUE(value.flag("inside"));
    EXPECT_FALSE(value.flag("outside"));
    EXPECT_EQ(value.positionalCount(), 1);
    EXPECT_EQ(value.positional(0, "the style"), "wood3");
    EXPECT_EQ(value.integer("thickness", 5, 1, 100), 20);
    EXPECT_EQ(value.integer("missing", 5, 1, 100), 5);
    EXPECT_EQ(value.colour("colour", {}), ColorChoice::of({255, 128, 0}));
    EXPECT_TRUE(value.colour("edge", ColorChoice::of({1, 2, 3})).automatic);
    EXPECT_NO_THROW(value.finish());
}

TEST(OptionValue, LeftoverItemsAndBadColoursAreNamed) {
    OptionValue leftover("--mask", "oval,opacity=50");
    leftover.positional(0, "the style");
    EXPECT_THROW(
        try { leftover.finish(); } catch (const UsageError& e) {
            EXPECT_STREQ(e.what(), "--mask: unexpected item 'opacity=50'");
            throw;
        },
        UsageError);
    for (const char* bad : {"#12345", "#1234567", "#GG0000", "red", "#-12345"}) {
        OptionValue value("--border", std::string("colour=") + bad);
        EXPECT_THROW(value.colour("colour", {}), UsageError) << bad;
    }
    EXPECT_THROW(OptionValue("--border", "a,,b"), UsageError);
    EXPECT_THROW(OptionValue("--border", "size=1,size=2"), UsageError);
}

TEST(CommandLine, MistakesAreUsageErrorsNamingTheirOption) {
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--resize", "10,abc", "-d", "out", "a.png"}, "--resize: 'abc' is not a whole number"},
        {{"--resize", "10", "-d", "out", "a.png"}, "--resize: missing H"},
        {{"--resize", "10,10,sharp", "-d", "out", "a.png"}, "--resize: 'sharp' is not one of none, triangle"},
        {{"--resize", "70000,10", "-d", "out", "a.png"}, "--resize: a side may be at most 65535 pixels"},
        {{"--resize", "-60000,60000", "-d", "out", "a.png"}, "--resize: 60000 x 60000 is more pixels than allowed"},
        {{"--flip", "sideways", "-d", "out", "a.png"}, "--flip: 'sideways' is not one of horizontal, vertical"},
        {{"--rotate=45", "-d", "out", "a.png"}, "--rotate: '45' is not one of 90, -90, 180"},
        {{"--crop", "0,0,5,5,7", "-d", "out", "a.png"}, "--crop: unexpected item '7'"},
        {{"--crop", "0,0,0,5", "-d", "out", "a.png"}, "--crop: width and height must be at least 1"},
        {{"--rotate"}, "--rotate: a value is needed"},
        {{"--sharpen", "2", "-d", "out", "a.png"}, "unknown option --sharpen"},
        {{"-j", "0", "-d", "out", "a.png"}, "-j: '0' is outside 1..1024"},
        {{"--quality", "101", "-d", "out", "a.png"}, "--quality: '101' is outside 1..100"},
        {{"-d", "out"}, "no input files"},
        {{"a.png"}, "say where to write: -o FILE or -d DIR"},
        {{"-o", "x.png", "a.png", "b.png"}, "-o takes a single input"},
        {{"-o", "x.png", "-d", "out", "a.png"}, "-o and -d cannot be used together"},
        {{"-o", "x.png", "--suffix", "_s", "a.png"}, "--ext and --suffix go with -d"},
        {{"-d", "out", "--ext", "png", "one/a.jpg", "two/a.tif"}, "two inputs would both be written to out/a.png"},
    };
    for (const auto& c : cases) {
        const std::string message = usageErrorOf(c.arguments);
        EXPECT_TRUE(message.starts_with(c.message)) << message << "\n  expected: " << c.message;
    }
}

TEST(CommandLine, OperationsKeepTheirOrderAndOutputsTheirNames) {
    BatchJob job = parse({"--rotate", "90", "--crop=0,0,1,2", "-j", "3", "--quality", "75", "-d", "out", "--ext",
                          ".png", "--suffix", "_small", "pics/a.jpg", "--", "-b.tif"});
    ASSERT_EQ(job.steps.size(), 2u);
    EXPECT_EQ(job.jobs, 3);
    EXPECT_EQ(job.saveOptions.jpegQuality, 75);
    const std::vector<std::filesystem::path> expected = {"out/a_small.png", "out/-b_small.png"};
    EXPECT_EQ(outputPaths(job), expected);

    // Rotate first, then crop: a 3 x 2 picture becomes 2 x 3, of which the
    // top-left 1 x 2 is kept.
    Image image(3, 2, {0, 0, 0});
    image.at(2, 0) = {9, 9, 9};  // top-right moves to the top-left corner
    for (const Step& step : job.steps) image = step(std::move(image));
    ASSERT_EQ(image.width(), 1);
    ASSERT_EQ(image.height(), 2);
    EXPECT_EQ(image.at(0, 0), (Rgb{9, 9, 9}));

    EXPECT_EQ(outputPaths(parse({"-d", "out", "a.jpg"})).front(), std::filesystem::path("out/a.jpg"));
    EXPECT_TRUE(parse({"-h", "--nonsense"}).showHelp);
}

TEST(CommandLine, CropOutsideThePictureFailsThatFile) {
    BatchJob job = parse({"--crop", "10,10,2,2", "-d", "out", "a.png"});
    EXPECT_THROW(job.steps.front()(Image(4, 4, {})), Error);
}

}  // namespace
}  // namespace qm::cli
