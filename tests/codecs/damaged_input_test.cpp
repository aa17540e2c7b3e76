#include <gtest/gtest.h>

#include <map>
#include <random>

#include "codec_test_support.h"
#include "codecs/formats.h"
#include "core/error.h"

// Every reader of our own, fed cut-short files, noise and the inputs the
// fuzzers found: each either decodes or throws qm::Error, never worse.
namespace qm::codecs {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::filesystem::path kPillow = testing::kTestData / "corpora" / "pillow";

struct Sample {
    Format format;
    std::filesystem::path file;  // a good file of that format
};

std::vector<Sample> samples() {
    return {{bmpFormat(), kPillow / "bmp/g/pal8rle.bmp"},    {bmpFormat(), kPillow / "bmp/g/rgb16-565.bmp"},
            {pcxFormat(), kPillow / "odd_stride.pcx"},       {dcxFormat(), kPillow / "hopper.dcx"},
            {icoFormat(), kPillow / "hopper.ico"},           {icoFormat(), kPillow / "pillow.ico"},
            {curFormat(), kPillow / "deerstalker.cur"},      {tgaFormat(), kPillow / "tga/common/200x32_p_bl_rle.tga"},
            {tgaFormat(), kPillow / "rgb32rle.tga"},         {pnmFormat(), kPillow / "hopper_8bit_plain.ppm"},
            {pnmFormat(), kPillow / "hopper_16bit.pgm"},     {pnmFormat(), kPillow / "hopper_1bit.pbm"}};
}

// Cut inside the pixel data (a Targa footer or a PCX palette may follow
// them, so the cut is well before the end).
TEST(DamagedInput, TruncatedFilesAreRefused) {
    for (const Sample& s : samples()) {
        const Bytes whole = testing::readBytes(s.file);
        ASSERT_FALSE(whole.empty()) << s.file;
        ASSERT_NO_THROW(s.format.decode(whole, {})) << s.file;
        for (std::size_t size : {std::size_t(0), std::size_t(5), whole.size() / 2}) {
            SCOPED_TRACE(s.file.filename().string() + " cut to " + std::to_string(size));
            const Bytes cut(whole.begin(), whole.begin() + std::ptrdiff_t(size));
            EXPECT_THROW(s.format.decode(cut, {}), Error);
        }
    }
}

TEST(DamagedInput, NoiseIsRefused) {
    std::mt19937 random(7);
    Bytes noise(4096);
    for (auto& b : noise) b = std::uint8_t(random());
    for (const Format& format : {bmpFormat(), pcxFormat(), dcxFormat(), icoFormat(), curFormat(), tgaFormat(),
                                 pnmFormat(), wbmpFormat()}) {
        SCOPED_TRACE(format.name);
        EXPECT_THROW(format.decode(noise, {}), Error);
    }
}

// tests/data/fuzz-regressions/<reader>/: inputs that once crashed a reader.
TEST(DamagedInput, FuzzFindingsStayHarmless) {
    const std::map<std::string, Format> readers = {{"bmp", bmpFormat()}, {"pcx", pcxFormat()}, {"dcx", dcxFormat()},
                                                   {"ico", icoFormat()}, {"cur", curFormat()}, {"tga", tgaFormat()},
                                                   {"pnm", pnmFormat()}, {"wbmp", wbmpFormat()}};
    const std::filesystem::path root = testing::kTestData / "fuzz-regressions";
    if (!std::filesystem::exists(root)) GTEST_SKIP() << "no findings kept";
    for (const auto& folder : std::filesystem::directory_iterator(root)) {
        const auto reader = readers.find(folder.path().filename().string());
        ASSERT_NE(reader, readers.end()) << folder.path();
        for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
            SCOPED_TRACE(file.path().string());
            try {
                const Image image = reader->second.decode(testing::readBytes(file.path()), {});
                EXPECT_FALSE(image.empty());
            } catch (const Error&) {
            }
        }
    }
}

}  // namespace
}  // namespace qm::codecs
