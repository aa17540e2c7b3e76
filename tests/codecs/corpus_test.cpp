#include <gtest/gtest.h>

#include "corpus_references.h"

// Public conformance files against reference decodes (ImageMagick's, or
// OpenJPEG's own where ImageMagick falls short): tests/data/corpora/
// references.tsv, made by make_references.py there, which says why.
namespace qm::codecs {
namespace {

const std::filesystem::path kCorpora = testing::kTestData / "corpora";

// Reads under the extension the suite gave the file; a raw fax stream is
// named .g3 there, which the program knows as .g3n.
Image readCorpusFile(const std::filesystem::path& path) {
    if (path.extension() != ".g3") return readImage(path);
    testing::TempDir dir;
    std::filesystem::copy_file(path, dir / (path.stem().string() + ".g3n"));
    return readImage(dir / (path.stem().string() + ".g3n"));
}

void checkSuite(const std::string& suite) {
    testing::checkCorpus(
        {testing::loadCorpusReferences(kCorpora / "references.tsv"),
         [&](const testing::CorpusReference& r) { return r.file.rfind(suite + "/", 0) == 0; },
         [](const testing::CorpusReference& r) { return readCorpusFile(kCorpora / r.file); },
         [](const testing::CorpusReference& r) {
             return kCorpora / "references" / (std::filesystem::path(r.file).filename().string() + ".png");
         }},
        suite);
}

TEST(Corpus, PngSuite) { checkSuite("pngsuite"); }
TEST(Corpus, LibtiffImages) { checkSuite("libtiff"); }
TEST(Corpus, JpegTwoThousandConformance) { checkSuite("openjpeg"); }

}  // namespace
}  // namespace qm::codecs
