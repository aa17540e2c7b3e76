#include <gtest/gtest.h>

#include <algorithm>

#include "corpus_references.h"

// The BMP Suite and the Targa, PCX, DCX, icon, cursor and PNM files of
// tests/data/corpora/pillow against references.tsv there (ImageMagick's
// decode, or a better one where it is wrong; make_references.py says why).
namespace qm::codecs {
namespace {

const std::filesystem::path kPillow = testing::kTestData / "corpora" / "pillow";

// An empty prefix takes the loose files at the top of the folder.
void checkFolder(const std::string& prefix) {
    testing::checkCorpus(
        {testing::loadCorpusReferences(kPillow / "references.tsv"),
         [&](const testing::CorpusReference& r) {
             return prefix.empty() ? r.file.find('/') == std::string::npos : r.file.rfind(prefix, 0) == 0;
         },
         [](const testing::CorpusReference& r) { return readImage(kPillow / r.file); },
         [](const testing::CorpusReference& r) {
             std::string flat = r.file;
             std::replace(flat.begin(), flat.end(), '/', '_');
             return kPillow / "references" / (flat + ".png");
         }},
        prefix.empty() ? "the loose files" : prefix);
}

TEST(PillowCorpus, BmpSuiteGoodFilesMatch) { checkFolder("bmp/g/"); }
TEST(PillowCorpus, BmpSuiteQuestionableFilesDecodeSensibly) { checkFolder("bmp/q/"); }
TEST(PillowCorpus, BmpSuiteBadFilesAreRefusedUnlessOnlyIgnorableFieldsAreWrong) { checkFolder("bmp/b/"); }
TEST(PillowCorpus, TargaCommonSet) { checkFolder("tga/"); }
// Targa, PCX, DCX, icons, cursors and PNM files, each named after its trap.
TEST(PillowCorpus, LooseFiles) { checkFolder(""); }

}  // namespace
}  // namespace qm::codecs
