#include <gtest/gtest.h>
#include <zlib.h>

#include "codec_test_support.h"
#include "codecs/formats.h"
#include "codecs/registry.h"
#include "core/error.h"

namespace qm::codecs {
namespace {

using testing::TempDir;

std::string readError(const std::filesystem::path& path) {
    try {
        readImage(path);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(Registry, ExtensionSelectsFormatWithoutRegardToCase) {
    const struct {
        const char* extension;
        const char* format;
    } cases[] = {{"png", "PNG"}, {".JPG", "JPEG"}, {"Jpe", "JPEG"}, {"TIFF", "TIFF"}, {"g3n", "Fax"},
                 {"j2c", "JPEG 2000 code stream"}, {"jp2", "JPEG 2000"}, {"wmf", "Windows metafile"}};
    for (const auto& c : cases) {
        const Format* format = formatForExtension(c.extension);
        ASSERT_NE(format, nullptr) << c.extension;
        EXPECT_EQ(format->name, c.format) << c.extension;
    }
    EXPECT_EQ(formatForExtension("xyz"), nullptr);
    EXPECT_EQ(formatForExtension(""), nullptr);
    EXPECT_EQ(formatForPath("/photos/beach.JPEG")->name, "JPEG");
    EXPECT_EQ(formatForPath("/photos/README"), nullptr);
}

TEST(Registry, EveryExtensionOfTheOpenListIsKnown) {
    for (const char* extension : {"tif", "tiff", "fax", "g3n", "g3f", "gif", "jpg", "jpeg", "jpe", "pcx", "bmp",
                                  "dib", "rle", "ico", "cur", "png", "wmf", "emf", "tga", "targa", "vda", "icb",
                                  "vst", "pix", "pxm", "ppm", "pgm", "pbm", "jp2", "j2k", "jpc", "j2c", "wbmp",
                                  "dcx"})
        EXPECT_NE(formatForExtension(extension), nullptr) << extension;
}

TEST(Registry, ReadsByContentWhenTheExtensionLies) {
    const Image image = readImage(testing::kTestData / "png-with-jpeg-extension.jpg");
    ASSERT_EQ(image.width(), 4);
    ASSERT_EQ(image.height(), 3);
    EXPECT_FALSE(image.hasAlpha());
    EXPECT_EQ(image.at(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(image.at(3, 2), (Rgb{0, 0, 255}));
}

TEST(Registry, ReadErrorsNameTheFileAndTheReason) {
    TempDir dir;
    testing::writeBytes(dir / "empty.png", {});
    testing::writeBytes(dir / "garbage.png", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'});
    testing::writeBytes(dir / "notes.xyz", {'h', 'e', 'l', 'l', 'o'});
    const struct {
        std::string name, reason;
    } cases[] = {{"missing.png", "cannot open"},
                 {"empty.png", "empty"},
                 {"garbage.png", "not a PNG file"},
                 {"notes.xyz", "not a picture"}};
    for (const auto& c : cases) {
        const std::string message = readError(dir / c.name);
        EXPECT_EQ(message.rfind((dir / c.name).string() + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
}

// A valid PNG signature and header chunk announcing `width` x `height`,
// without any pixel data behind it.
std::vector<std::uint8_t> pngHeaderOnly(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13};
    std::vector<std::uint8_t> chunk = {'I', 'H', 'D', 'R'};
    for (std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) chunk.push_back(std::uint8_t(v >> shift));
    chunk.insert(chunk.end(), {8, 2, 0, 0, 0});
    const uLong crc = crc32(0, chunk.data(), uInt(chunk.size()));
    bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(std::uint8_t(crc >> shift));
    return bytes;
}

TEST(Registry, RefusesPicturesBeyondThePixelLimitFromTheHeader) {
    TempDir dir;
    testing::writeBytes(dir / "huge.png", pngHeaderOnly(30000, 30000));
    testing::writeBytes(dir / "wide.png", pngHeaderOnly(70000, 1));
    EXPECT_NE(readError(dir / "huge.png").find("too large"), std::string::npos) << readError(dir / "huge.png");
    EXPECT_NE(readError(dir / "wide.png").find("too large"), std::string::npos);
}

TEST(Registry, WriteWithoutWriterLeavesNothing) {
    TempDir dir;
    const Image image = testing::patternImage(3, 3);
    for (const char* name : {"picture.xyz", "picture", "drawing.wmf"}) {
        EXPECT_THROW(writeImage(image, dir / name), Error) << name;
        EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_FALSE(canWrite("drawing.wmf"));
    EXPECT_TRUE(canRead("drawing.WMF"));
    EXPECT_TRUE(canWrite("photo.JPG"));
}

TEST(Registry, FailedWriteKeepsTheOldFile) {
    TempDir dir;
    const auto target = dir / "keep.png";
    writeImage(testing::patternImage(5, 4), target);
    const auto before = testing::readBytes(target);
    EXPECT_THROW(writeImage(Image(), target), Error);
    EXPECT_EQ(testing::readBytes(target), before);
    EXPECT_THROW(writeImage(testing::patternImage(2, 2), dir / "no-such-folder" / "x.png"), Error);
}

TEST(Registry, WriteReplacesAtomicallyWithoutLeftovers) {
    TempDir dir;
    const auto target = dir / "photo.png";
    writeImage(testing::patternImage(5, 4), target);
    writeImage(testing::patternImage(7, 2), target);
    EXPECT_EQ(readImage(target), testing::patternImage(7, 2));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(Registry, AlphaIsFlattenedOntoWhiteOnReadAndByWritersWithoutAlpha) {
    TempDir dir;
    Image image(2, 1, {0, 0, 0});
    image.ensureAlpha();
    image.alphaRow(0)[0] = 0;
    image.alphaRow(0)[1] = 128;
    writeImage(image, dir / "alpha.png");
    const Image flat = readImage(dir / "alpha.png");
    EXPECT_FALSE(flat.hasAlpha());
    EXPECT_EQ(flat.at(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(flat.at(1, 0), (Rgb{127, 127, 127}));
    ReadHints keep;
    keep.keepAlpha = true;
    EXPECT_EQ(readImage(dir / "alpha.png", keep), image);

    writeImage(image, dir / "alpha.jpg");
    EXPECT_GE(readImage(dir / "alpha.jpg").at(0, 0).r, 250);
}

TEST(Registry, MetafilesAreRefusedWithAReason) {
    TempDir dir;
    testing::writeBytes(dir / "drawing.wmf", {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0});
    EXPECT_NE(readError(dir / "drawing.wmf").find("metafile"), std::string::npos);
}

}  // namespace
}  // namespace qm::codecs
