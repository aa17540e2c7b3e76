// --frame and --frame-style.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/command_line.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace fs = std::filesystem;

namespace qm::cli {
namespace {

class FrameOperation : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = fs::temp_directory_path() /
                ("qm-frame-operation-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(data_);
        fs::create_directories(data_ / "frame/wood");
        fs::create_directories(data_ / "frame/user");
        codecs::writeImage(Image(8, 4, Rgb{200, 0, 0}), data_ / "frame/wood/oak10.png");
        codecs::writeImage(Image(8, 6, Rgb{0, 200, 0}), data_ / "frame/wood/Oak2.png");
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
    std::string pattern(const char* name) const { return (data_ / "frame/wood" / name).string(); }

    fs::path data_;
};

TEST_F(FrameOperation, FramesWithAPatternFile) {
    const Image inside = run("--frame", pattern("oak10.png"), Image(20, 10, Rgb{1, 2, 3}));
    EXPECT_EQ(inside.width(), 20);
    EXPECT_EQ(inside.at(0, 0), (Rgb{200, 0, 0}));
    EXPECT_EQ(inside.at(10, 5), (Rgb{1, 2, 3}));

    const Image outside = run("--frame", pattern("oak10.png") + ",position=outside,width=-6,rotate180",
                              Image(20, 10, Rgb{1, 2, 3}));
    EXPECT_EQ(outside.width(), 32);
    EXPECT_EQ(outside.height(), 22);
    EXPECT_EQ(outside.at(6, 6), (Rgb{1, 2, 3}));
}

TEST_F(FrameOperation, FrameStyleTakesThePatternsInNameOrder) {
    EXPECT_EQ(run("--frame-style", "wood,position=outside", Image(10, 10, Rgb{})).width(), 22);  // Oak2, 6 thick
    EXPECT_EQ(run("--frame-style", "Wood,index=1,position=outside", Image(10, 10, Rgb{})).width(), 18);
}

TEST_F(FrameOperation, RefusesWhatCannotFrameBeforeAnyPicture) {
    std::ofstream(data_ / "frame/wood/broken.bmp") << "BM not really";
    const struct { const char* option; std::string value; std::string reason; } cases[] = {
        {"--frame", "/no/such/oak.png", "The file: /no/such/oak.png does not exist."},
        {"--frame", pattern("broken.bmp"), "The file: " + pattern("broken.bmp") + " could not be read as a picture"},
        {"--frame", pattern("oak10.png") + ",position=around", "'around' is not one of"},
        {"--frame", pattern("oak10.png") + ",width=thick", "'thick'"},
        {"--frame", pattern("oak10.png") + ",width=70000", "outside"},
        {"--frame-style", "walnut", "no frame style 'walnut'"},
        {"--frame-style", "user", "holds no patterns"},
        {"--frame-style", "wood,index=3", "index 3: the style 'wood' has 3 patterns"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.value);
        const std::string message = refusal(c.option, c.value);
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace qm::cli
