#include "frame/frame_pattern_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "codecs/registry.h"

namespace fs = std::filesystem;
using qm::PatternOrigin;

namespace {

fs::path scratch(const std::string& name) {
    const fs::path folder = fs::temp_directory_path() / ("qm-pattern-file-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder / name;
}

TEST(FramePatternFile, MissingUserFileIsReportedExactly) {
    for (const std::string& path : {std::string(), std::string("/no/such/oak.png")}) {
        const auto load = qm::loadFramePattern(path, PatternOrigin::UserFile);
        EXPECT_FALSE(load.pattern);
        EXPECT_EQ(load.message, "The file: " + path + "\n\rdoes not exist.");
    }
    // A folder is not a pattern file either.
    EXPECT_EQ(qm::loadFramePattern(fs::temp_directory_path().string(), PatternOrigin::UserFile).message,
              qm::missingPatternMessage(fs::temp_directory_path().string()));
}

TEST(FramePatternFile, CollectionEntryThatVanishedStopsSilently) {
    const auto load = qm::loadFramePattern("/no/such/oak.png", PatternOrigin::Collection);
    EXPECT_FALSE(load.pattern);
    EXPECT_TRUE(load.message.empty());
}

TEST(FramePatternFile, UndecodableFileIsNamedFromEitherSource) {
    const fs::path file = scratch("text-with-png-extension.png");
    std::ofstream(file) << "this is not a picture";
    for (PatternOrigin origin : {PatternOrigin::Collection, PatternOrigin::UserFile}) {
        const auto load = qm::loadFramePattern(file.string(), origin);
        EXPECT_FALSE(load.pattern);
        EXPECT_EQ(load.message.rfind("The file: " + file.string() + "\n\rcould not be read as a picture (", 0), 0u)
            << load.message;
    }
    fs::remove(file);
    fs::remove(file.parent_path());  // only once empty
}

TEST(FramePatternFile, ReadsAGoodPattern) {
    const fs::path file = scratch("pattern.png");
    qm::codecs::writeImage(qm::Image(30, 12, {90, 60, 30}), file);
    const auto load = qm::loadFramePattern(file.string(), PatternOrigin::UserFile);
    ASSERT_TRUE(load.pattern);
    EXPECT_EQ(load.pattern->width(), 30);
    EXPECT_EQ(load.pattern->height(), 12);
    EXPECT_TRUE(load.message.empty());
    fs::remove(file);
    fs::remove(file.parent_path());  // only once empty
}

}  // namespace
