#include <gtest/gtest.h>

#include "codec_test_support.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using testing::TempDir;

TEST(Png, RoundTripIsExactWithAndWithoutAlpha) {
    TempDir dir;
    Image plain = testing::patternImage(33, 17);
    Image withAlpha = plain;
    withAlpha.ensureAlpha();
    for (int x = 0; x < 33; ++x) withAlpha.alphaRow(5)[x] = std::uint8_t(x * 7);
    SaveOptions fastest;
    fastest.pngCompression = 0;
    ReadHints keep;
    keep.keepAlpha = true;
    for (const SaveOptions& options : {SaveOptions{}, fastest}) {
        writeImage(plain, dir / "plain.png", options);
        writeImage(withAlpha, dir / "alpha.png", options);
        EXPECT_EQ(readImage(dir / "plain.png"), plain);
        EXPECT_EQ(readImage(dir / "alpha.png", keep), withAlpha);
    }
}

TEST(Jpeg, RoundTripStaysCloseBaselineAndProgressive) {
    TempDir dir;
    const Image image = testing::patternImage(64, 48);
    SaveOptions progressive;
    progressive.jpegProgressive = true;
    progressive.jpegQuality = 95;
    SaveOptions rough;
    rough.jpegQuality = 10;
    writeImage(image, dir / "baseline.jpg");
    writeImage(image, dir / "progressive.jpeg", progressive);
    writeImage(image, dir / "rough.jpg", rough);
    for (const char* name : {"baseline.jpg", "progressive.jpeg"}) {
        const Image back = readImage(dir / name);
        ASSERT_EQ(back.width(), 64);
        ASSERT_EQ(back.height(), 48);
        EXPECT_LE(testing::maxChannelDifference(back, image), 12) << name;
    }
    EXPECT_LT(std::filesystem::file_size(dir / "rough.jpg"), std::filesystem::file_size(dir / "baseline.jpg"));
    const auto bytes = testing::readBytes(dir / "progressive.jpeg");
    const std::uint8_t sof2[] = {0xFF, 0xC2};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), sof2, sof2 + 2), bytes.end());
}

TEST(Jpeg, MinimumSideDecodesAReducedPicture) {
    TempDir dir;
    writeImage(testing::patternImage(800, 600), dir / "big.jpg");
    const struct {
        int minimumSide, width, height;
    } cases[] = {{0, 800, 600}, {100, 100, 75}, {150, 200, 150}, {300, 400, 300}, {500, 800, 600}};
    for (const auto& c : cases) {
        ReadHints hints;
        hints.minimumSide = c.minimumSide;
        const Image image = readImage(dir / "big.jpg", hints);
        EXPECT_EQ(image.width(), c.width) << c.minimumSide;
        EXPECT_EQ(image.height(), c.height) << c.minimumSide;
    }
}

// A progressive file whose last scan is repeated over a thousand times:
// small, but each scan costs a pass over the whole picture.
TEST(Jpeg, EndlessScansAreRefused) {
    TempDir dir;
    SaveOptions progressive;
    progressive.jpegProgressive = true;
    writeImage(testing::patternImage(64, 64), dir / "progressive.jpg", progressive);
    auto bytes = testing::readBytes(dir / "progressive.jpg");
    const std::uint8_t sos[] = {0xFF, 0xDA};
    const auto lastScan = std::find_end(bytes.begin(), bytes.end(), sos, sos + 2);
    const std::vector<std::uint8_t> scan(lastScan, bytes.end() - 2);
    bytes.resize(bytes.size() - 2);
    for (int i = 0; i < 1100; ++i) bytes.insert(bytes.end(), scan.begin(), scan.end());
    bytes.insert(bytes.end(), {0xFF, 0xD9});
    testing::writeBytes(dir / "many-scans.jpg", bytes);
    try {
        readImage(dir / "many-scans.jpg");
        ADD_FAILURE() << "decoded";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("too many scans"), std::string::npos) << e.what();
    }
}

TEST(PngJpeg, TruncatedAndDamagedFilesAreRefused) {
    TempDir dir;
    writeImage(testing::patternImage(40, 30), dir / "whole.png");
    writeImage(testing::patternImage(40, 30), dir / "whole.jpg");
    for (const char* name : {"whole.png", "whole.jpg"}) {
        auto bytes = testing::readBytes(dir / name);
        const std::string extension = std::filesystem::path(name).extension().string();
        auto truncated = bytes;
        truncated.resize(bytes.size() / 2);
        testing::writeBytes(dir / ("truncated" + extension), truncated);
        auto headOnly = bytes;
        headOnly.resize(20);
        testing::writeBytes(dir / ("head-only" + extension), headOnly);
        for (const std::string& broken : {"truncated" + extension, "head-only" + extension})
            EXPECT_THROW(readImage(dir / broken), Error) << broken;
    }
}

}  // namespace
}  // namespace qm::codecs
