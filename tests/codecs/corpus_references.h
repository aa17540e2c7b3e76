#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "codec_test_support.h"
#include "codecs/registry.h"
#include "core/error.h"

// Conformance files checked against a table of reference decodes
// (references.tsv beside each corpus, made by its make_references.py):
// file, result (match / size / refused), width, height, hash of the RGB
// bytes, tolerance in levels, note. Where the tolerance is not zero the
// decode is compared with a reference picture instead of the hash.
namespace qm::testing {

struct CorpusReference {
    std::string file;
    bool refused = false;
    bool sizeOnly = false;  // no trustworthy reference pixels; see the note
    int width = 0, height = 0;
    std::string hash;
    int tolerance = 0;
    std::string note;
};

inline std::vector<CorpusReference> loadCorpusReferences(const std::filesystem::path& table) {
    std::vector<CorpusReference> references;
    std::ifstream in(table);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        fields.resize(7);
        CorpusReference r;
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

inline std::string fnv1a64(const Image& image) {
    std::uint64_t h = 0xCBF29CE484222325ull;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());
    for (std::size_t i = 0; i < std::size_t(image.pixelCount()) * 3; ++i) h = (h ^ bytes[i]) * 0x100000001B3ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

struct CorpusCheck {
    std::vector<CorpusReference> references;
    std::function<bool(const CorpusReference&)> selects;
    std::function<Image(const CorpusReference&)> read;
    std::function<std::filesystem::path(const CorpusReference&)> referencePicture;
};

// Every selected file must be refused, or decode to the reference's size and
// pixels without alpha; a selection that finds nothing is a broken table.
inline void checkCorpus(const CorpusCheck& check, const std::string& what) {
    bool any = false;
    for (const CorpusReference& r : check.references) {
        if (!check.selects(r)) continue;
        any = true;
        SCOPED_TRACE(r.file + (r.note.empty() ? "" : " (" + r.note + ")"));
        if (r.refused) {
            EXPECT_THROW(check.read(r), Error);
            continue;
        }
        Image image;
        try {
            image = check.read(r);
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
        const Image reference = codecs::readImage(check.referencePicture(r));
        EXPECT_LE(maxChannelDifference(image, reference), r.tolerance);
    }
    EXPECT_TRUE(any) << "no references for " << what;
}

}  // namespace qm::testing
