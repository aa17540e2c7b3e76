#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/batch.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::cli {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out, err;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class BatchTool : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillmount-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Runs the real tool in the temporary folder; stderr is not a terminal,
    // so no progress bar gets in the way.
    ToolRun run(const std::string& arguments) {
        const std::string command = "cd '" + dir_.string() + "' && '" QUILLMOUNT_BATCH_TOOL "' " + arguments +
                                    " >stdout.txt 2>stderr.txt";
        ToolRun result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readText(dir_ / "stdout.txt");
        result.err = readText(dir_ / "stderr.txt");
        return result;
    }

    // A 3 x 2 picture with a marked top-right pixel.
    void writePicture(const std::string& name) {
        Image image(3, 2, {10, 20, 30});
        image.at(2, 0) = {200, 100, 50};
        codecs::writeImage(image, dir_ / name);
    }

    fs::path dir_;
};

TEST_F(BatchTool, HelpAndUsageErrors) {
    const ToolRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--resize W,H[,FILTER]"), std::string::npos);
    EXPECT_TRUE(help.err.empty());

    const ToolRun wrong = run("--flip sideways -d out a.png");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.starts_with("quillmount-batch: --flip: 'sideways' is not one of")) << wrong.err;
    EXPECT_NE(wrong.err.find("usage: quillmount-batch"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "out"));
}

TEST_F(BatchTool, WritesTheSingleInputToTheNamedFile) {
    writePicture("in.png");
    const ToolRun result = run("--rotate 90 --flip vertical -o turned.png in.png");
    ASSERT_EQ(result.status, 0) << result.err;
    const Image out = codecs::readImage(dir_ / "turned.png");
    ASSERT_EQ(out.width(), 2);
    ASSERT_EQ(out.height(), 3);
    // A counter-clockwise turn takes the top-right pixel to the top-left;
    // the vertical flip then takes it to the bottom-left.
    EXPECT_EQ(out.at(0, 2), (Rgb{200, 100, 50}));
    EXPECT_EQ(out.at(0, 0), (Rgb{10, 20, 30}));
}

TEST_F(BatchTool, AFailingFileIsReportedAndTheOthersGoOn) {
    writePicture("good1.png");
    writePicture("good2.png");
    std::ofstream(dir_ / "broken.png") << "not a picture at all";
    const ToolRun result = run("-j 2 --resize 6,4,lanczos3 -d out --suffix _big --ext png good1.png broken.png missing.png good2.png");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("broken.png: "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("missing.png: "), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("good"), std::string::npos) << result.err;
    for (const char* name : {"out/good1_big.png", "out/good2_big.png"}) {
        const Image out = codecs::readImage(dir_ / name);
        EXPECT_EQ(out.width(), 6);
        EXPECT_EQ(out.height(), 4);
    }
    EXPECT_FALSE(fs::exists(dir_ / "out/broken_big.png"));
    EXPECT_FALSE(fs::exists(dir_ / "out/missing_big.png"));
    // Nothing half-written or temporary is left beside the results.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "out"), fs::directory_iterator()), 2);
}

TEST_F(BatchTool, TransparencyIsRefusedByFormatsThatCannotStoreIt) {
    writePicture("in.png");
    BatchJob job;
    job.steps.push_back([](Image image) {
        image.ensureAlpha(128);
        return image;
    });
    try {
        processFile(job, dir_ / "in.png", dir_ / "out.jpg");
        ADD_FAILURE() << "a JPEG was written with its transparency lost";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("out.jpg: JPEG files cannot store the transparency"), std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(fs::exists(dir_ / "out.jpg"));
    processFile(job, dir_ / "in.png", dir_ / "out.png");
    EXPECT_TRUE(codecs::readImage(dir_ / "out.png", {.keepAlpha = true}).hasAlpha());
}

}  // namespace
}  // namespace qm::cli
