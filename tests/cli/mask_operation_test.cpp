// --mask and --mask-style.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/command_line.h"
#include "codecs/registry.h"

namespace fs = std::filesystem;

namespace qm::cli {
namespace {

Rgb grey(int v) { return {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}; }

class MaskOperation : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = fs::temp_directory_path() /
                ("qm-mask-operation-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(data_);
        fs::create_directories(data_ / "mask/oval");
        codecs::writeImage(Image(4, 4, grey(0)), data_ / "mask/oval/m10.png");   // all background
        codecs::writeImage(Image(4, 4, grey(255)), data_ / "mask/oval/M2.png");  // all picture
        Image tile(2, 1);
        tile.at(0, 0) = {10, 20, 30};
        tile.at(1, 0) = {40, 50, 60};
        codecs::writeImage(tile, data_ / "tile.png");
        std::ofstream(data_ / "png-that-is-text.png") << "not a picture";
    }
    void TearDown() override { fs::remove_all(data_); }

    Image run(const std::string& option, const std::string& value, Image picture) {
        const BatchJob job = parseCommandLine({option, value, "-o", "out.png", "in.png"}, {data_});
        for (const Step& step : job.steps) picture = step(std::move(picture));
        return picture;
    }
    std::string refusal(const std::string& option, const std::string& value) {
        try {
            parseCommandLine({option, value, "-o", "out.png", "in.png"}, {data_});
        } catch (const UsageError& error) {
            return error.what();
        }
        return "accepted";
    }
    std::string file(const char* name) const { return (data_ / name).string(); }
    std::string blackMask() const { return (data_ / "mask/oval/m10.png").string(); }

    fs::path data_;
};

TEST_F(MaskOperation, EveryBackgroundKind) {
    struct Case {
        std::string background;
        int x, y;
        Rgb expected;
    };
    const Case cases[] = {
        {"", 0, 0, grey(255)},                                    // the default gradient: white at the top
        {"", 0, 5, grey(0)},                                      // to black at the bottom
        {",background=color:#102030", 3, 2, {0x10, 0x20, 0x30}},
        {",background=color:auto", 3, 2, grey(0)},
        {",background=gradient:horizontal:#000000:#C8C8C8", 2, 5, grey(100)},
        {",background=gradient:vertical:auto:#C8C8C8", 1, 5, grey(200)},
        {",background=texture:" + file("tile.png"), 3, 4, {40, 50, 60}},
        {",background=file:" + file("tile.png"), 2, 0, {10, 20, 30}},
    };
    for (const Case& c : cases) {
        const Image out = run("--mask", blackMask() + c.background, Image(6, 6, grey(77)));
        ASSERT_EQ(out.width(), 6);
        EXPECT_EQ(out.at(c.x, c.y), c.expected) << c.background;
    }
}

TEST_F(MaskOperation, OpacityAndInversion) {
    EXPECT_EQ(run("--mask", blackMask() + ",background=color:#FFFFFF,opacity=50", Image(3, 3, grey(0))).at(1, 1),
              grey(127));
    EXPECT_EQ(run("--mask", blackMask() + ",background=color:#FFFFFF,invert", Image(3, 3, grey(9))).at(1, 1),
              grey(9));
    EXPECT_EQ(run("--mask", "invert," + blackMask() + ",background=color:#FFFFFF", Image(3, 3, grey(9))).at(1, 1),
              grey(9));
}

TEST_F(MaskOperation, MaskStyleCountsMasksInNameOrder) {
    const std::string white = ",background=color:#FF0000";
    EXPECT_EQ(run("--mask-style", "oval" + white, Image(2, 2, grey(5))).at(0, 0), grey(5));         // M2: picture
    EXPECT_EQ(run("--mask-style", "oval,index=1" + white, Image(2, 2, grey(5))).at(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(run("--mask-style", "Oval,index=1,invert" + white, Image(2, 2, grey(5))).at(0, 0), grey(5));
}

TEST_F(MaskOperation, MistakesStopBeforeAnyPicture) {
    struct Case {
        std::string option, value, expected;
    };
    const Case cases[] = {
        {"--mask", file("none.png"), "the mask file " + file("none.png") + " does not exist"},
        {"--mask", file("png-that-is-text.png"), "png-that-is-text.png"},
        {"--mask", blackMask() + ",background=colour:#FFFFFF", "is not a background"},
        {"--mask", blackMask() + ",background=color:#FFF", "is not a colour"},
        {"--mask", blackMask() + ",background=gradient:diagonal:#000000:#FFFFFF", "'diagonal' is not one of"},
        {"--mask", blackMask() + ",background=gradient:vertical:#000000", "a gradient is"},
        {"--mask", blackMask() + ",background=texture:" + file("none.png"), "the texture file"},
        {"--mask", blackMask() + ",background=file:", "needs a file"},
        {"--mask", blackMask() + ",opacity=101", "101"},
        {"--mask-style", "round", "no mask style 'round'"},
        {"--mask-style", "rect", "holds no masks"},
        {"--mask-style", "oval,index=2", "has 2 masks"},
    };
    for (const Case& c : cases) {
        const std::string message = refusal(c.option, c.value);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.value << " -> " << message;
    }
}

}  // namespace
}  // namespace qm::cli
