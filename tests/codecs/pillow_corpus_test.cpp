#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "codec_test_support.h"
#include "codecs/registry.h"
#include "core/error.h"

// The BMP Suite and the Targa, PCX, DCX, icon, cursor and PNM files of
// tests/data/corpora/pillow against references.tsv there (ImageMagick's
// decode, or a better one where it is wrong; make_references.py says why).
namespace qm::codecs {
namespace {

const std::filesystem::path kPillow = testing::kTestData / "corpora" / "pillow";

struct Reference {
    std::string file;
    bool refused = false;
    int width = 0, height = 0;
    std::string hash;
    int tolerance = 0;
    std::string note;
};

std::vector<Reference> references() {
    std::vector<Reference> out;
    std::ifstream in(kPillow / "references.tsv");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) f.push_back(field);
        f.resize(7);
        Reference r;
        r.file = f[0];
        r.refused = f[1] == "refused";
        if (!r.refused) r.width = std::stoi(f[2]), r.height = std::stoi(f[3]), r.hash = f[4], r.tolerance = std::stoi(f[5]);
        r.note = f[6];
        out.push_back(r);
    }
    return out;
}

std::string fnv1a64(const Image& image) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());
    for (std::size_t i = 0; i < std::size_t(image.pixelCount()) * 3; ++i) h = (h ^ bytes[i]) * 0x100000001B3ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

void checkFolder(const std::string& prefix) {
    int checked = 0;
    for (const Reference& r : references()) {
        const bool inFolder = prefix.empty() ? r.file.find('/') == std::string::npos : r.file.rfind(prefix, 0) == 0;
        if (!inFolder) continue;
        ++checked;
        SCOPED_TRACE(r.file + (r.note.empty() ? "" : " (" + r.note + ")"));
        const std::filesystem::path path = kPillow / r.file;
        if (r.refused) {
            EXPECT_THROW(readImage(path), Error);
            continue;
        }
        Image image;
        try {
            image = readImage(path);
        } catch (const Error& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        EXPECT_FALSE(image.hasAlpha());
        ASSERT_EQ(image.width(), r.width);
        ASSERT_EQ(image.height(), r.height);
        if (r.tolerance == 0) {
            EXPECT_EQ(fnv1a64(image), r.hash);
            continue;
        }
        std::string flat = r.file;
        std::replace(flat.begin(), flat.end(), '/', '_');
        const Image reference = readImage(kPillow / "references" / (flat + ".png"));
        EXPECT_LE(testing::maxChannelDifference(image, reference), r.tolerance);
    }
    EXPECT_GT(checked, 0) << "no references under " << prefix;
}

TEST(PillowCorpus, BmpSuiteGoodFilesMatch) { checkFolder("bmp/g/"); }
TEST(PillowCorpus, BmpSuiteQuestionableFilesDecodeSensibly) { checkFolder("bmp/q/"); }
TEST(PillowCorpus, BmpSuiteBadFilesAreRefusedUnlessOnlyIgnorableFieldsAreWrong) { checkFolder("bmp/b/"); }
TEST(PillowCorpus, TargaCommonSet) { checkFolder("tga/"); }
// Targa, PCX, DCX, icons, cursors and PNM files, each named after its trap.
TEST(PillowCorpus, LooseFiles) { checkFolder(""); }

}  // namespace
}  // namespace qm::codecs
