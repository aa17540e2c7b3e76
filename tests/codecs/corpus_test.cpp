#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "codec_test_support.h"
#include "codecs/registry.h"
#include "core/error.h"

// Public conformance files against reference decodes (ImageMagick's, or
// OpenJPEG's own where ImageMagick falls short): tests/data/corpora/
// references.tsv, made by make_references.py there, which says why.
namespace qm::codecs {
namespace {

const std::filesystem::path kCorpora = testing::kTestData / "corpora";

struct Reference {
    std::string file;
    bool refused = false;
    bool sizeOnly = false;  // no trustworthy reference pixels; see the note
    int width = 0, height = 0;
    std::string hash;
    int tolerance = 0;
    std::string note;
};

std::vector<Reference> loadReferences() {
    std::vector<Reference> references;
    std::ifstream in(kCorpora / "references.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        fields.resize(7);
        Reference r;
        r.file = fields[0];
        r.refused = fields[1] == "refused";
        r.sizeOnly = fields[1] == "size";
        if (!r.refused) {
            r.width = std::stoi(fields[2]);
            r.height = std::stoi(fields[3]);
            r.hash = fields[4];
            r.tolerance = std::atoi(fields[5].c_str());
        }
        r.note = fields[6];
        references.push_back(r);
    }
    return references;
}

std::string fnv1a64(const Image& image) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());
    for (std::size_t i = 0; i < std::size_t(image.pixelCount()) * 3; ++i) {
        h ^= bytes[i];
        h *= 0x100000001B3ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

// Reads under the extension the suite gave the file; a raw fax stream is
// named .g3 there, which the program knows as .g3n.
Image readCorpusFile(const std::filesystem::path& path) {
    if (path.extension() != ".g3") return readImage(path);
    testing::TempDir dir;
    std::filesystem::copy_file(path, dir / (path.stem().string() + ".g3n"));
    return readImage(dir / (path.stem().string() + ".g3n"));
}

void checkSuite(const std::string& suite) {
    int checked = 0;
    for (const Reference& r : loadReferences()) {
        if (r.file.rfind(suite + "/", 0) != 0) continue;
        ++checked;
        SCOPED_TRACE(r.file);
        const std::filesystem::path path = kCorpora / r.file;
        if (r.refused) {
            EXPECT_THROW(readCorpusFile(path), Error);
            continue;
        }
        Image image;
        try {
            image = readCorpusFile(path);
        } catch (const Error& e) {
            ADD_FAILURE() << e.what();
            continue;
        }
        EXPECT_FALSE(image.hasAlpha());
        ASSERT_EQ(image.width(), r.width);
        ASSERT_EQ(image.height(), r.height);
        if (r.sizeOnly) continue;
        if (r.tolerance == 0) {
            EXPECT_EQ(fnv1a64(image), r.hash);
            continue;
        }
        const Image reference = readImage(kCorpora / "references" / (path.filename().string() + ".png"));
        EXPECT_LE(testing::maxChannelDifference(image, reference), r.tolerance) << r.note;
    }
    EXPECT_GT(checked, 0) << "no references for " << suite;
}

TEST(Corpus, PngSuite) { checkSuite("pngsuite"); }
TEST(Corpus, LibtiffImages) { checkSuite("libtiff"); }
TEST(Corpus, JpegTwoThousandConformance) { checkSuite("openjpeg"); }

}  // namespace
}  // namespace qm::codecs
