// Draws the frame patterns of data/frame: every style folder but "user".
// Usage: frame_patterns DATA_FOLDER
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "codecs/registry.h"
#include "datagen/moulding.h"

using namespace qm::datagen;
using Shape = Band::Shape;
using OK = Ornament::Kind;
namespace fs = std::filesystem;

namespace {

Material paint(Colour c, float gloss = 0.2f, float shininess = 20) {
    return {Material::Kind::Paint, c, c, gloss, shininess, 1};
}
Material wood(Colour dark, Colour light, float gloss = 0.15f) {
    return {Material::Kind::Wood, dark, light, gloss, 12, 1};
}
Material gilt(Colour gold, Colour bole = {150, 70, 40}) { return {Material::Kind::Gilt, gold, bole, 0.9f, 28, 1}; }
Material metal(Colour c, float gloss = 0.55f) { return {Material::Kind::BrushedMetal, c, c, gloss, 35, 1}; }
Material stripes(Colour a, Colour b, int repeats) { return {Material::Kind::Stripes, a, b, 0.5f, 30, repeats}; }
Material checks(Colour a, Colour b, int repeats) { return {Material::Kind::Checks, a, b, 0.25f, 20, repeats}; }
Material dots(Colour a, Colour b, int repeats) { return {Material::Kind::Dots, a, b, 0.3f, 25, repeats}; }

Band band(float end, Shape shape, float from, float to, int material = 0, Ornament ornament = {}) {
    return {end, shape, from, to, material, ornament};
}

struct Pattern {
    const char* style;
    const char* name;
    MouldingDesign design;
};

const Colour kOakDark{112, 74, 38}, kOakLight{194, 150, 94};
const Colour kWalnutDark{58, 37, 22}, kWalnutLight{122, 84, 52};
const Colour kGold{214, 172, 72}, kOldGold{178, 136, 62}, kPaleGold{226, 204, 146};
const Colour kBlack{28, 28, 30}, kWhite{238, 236, 230};

std::vector<Pattern> catalogue() {
    std::vector<Pattern> p;
    // Plain mouldings of one colour, a slight bevel on each side.
    const auto plain = [](Colour c, int t, int l, float gloss, std::uint32_t seed) {
        return MouldingDesign{t, l, {paint(c, gloss, 30)},
                            {band(0.2f, Shape::Round, 0, 0.14f), band(0.8f, Shape::Flat, 0.14f, 0.14f),
                             band(1, Shape::Slope, 0.14f, 0.02f)}, seed};
    };
    p.push_back({"simple1", "black", plain(kBlack, 16, 60, 0.3f, 1)});
    p.push_back({"simple1", "white", plain(kWhite, 20, 80, 0.15f, 2)});
    p.push_back({"simple1", "grey-round", {14, 50, {paint({128, 128, 132}, 0.35f)},
                                           {band(0.6f, Shape::Round, 0, 0.35f), band(1, Shape::Cove, 0.35f, 0.05f)}, 3}});
    p.push_back({"simple1", "red-lacquer", plain({150, 22, 26}, 24, 100, 0.7f, 4)});
    p.push_back({"simple1", "navy", plain({28, 42, 92}, 18, 64, 0.3f, 5)});
    p.push_back({"simple1", "green", plain({34, 84, 52}, 12, 40, 0.25f, 6)});

    // Two tones: a lip, a step or an inlaid line.
    p.push_back({"simple2", "black-gold-lip", {28, 90, {paint(kBlack, 0.3f), gilt(kGold)},
                                                {band(0.15f, Shape::Round, 0, 0.2f), band(0.76f, Shape::Flat, 0.2f, 0.2f),
                                                 band(1, Shape::Bead, 0.08f, 0.22f, 1)}, 11}});
    p.push_back({"simple2", "white-grey-step", {32, 120, {paint(kWhite, 0.15f), paint({150, 150, 152}, 0.2f)},
                                                 {band(0.5f, Shape::Round, 0.05f, 0.3f), band(1, Shape::Slope, 0.12f, 0.04f, 1)}, 12}});
    p.push_back({"simple2", "walnut-line", {26, 150, {wood(kWalnutDark, kWalnutLight), paint(kBlack, 0.4f)},
                                             {band(0.45f, Shape::Round, 0, 0.2f), band(0.53f, Shape::Flat, 0.17f, 0.17f, 1),
                                              band(1, Shape::Slope, 0.2f, 0.05f)}, 13}});
    p.push_back({"simple2", "silver-double", {22, 72, {metal({196, 198, 204})},
                                               {band(0.5f, Shape::Bead, 0, 0.25f), band(1, Shape::Bead, 0, 0.2f)}, 14}});
    p.push_back({"simple2", "cream-red", {30, 100, {paint({232, 222, 196}, 0.2f), paint({160, 30, 34}, 0.4f)},
                                           {band(0.7f, Shape::Cove, 0.3f, 0.05f), band(0.82f, Shape::Bead, 0.05f, 0.14f, 1),
                                            band(1, Shape::Flat, 0.05f, 0.05f)}, 15}});

    // Wood: grain along the length and a carved profile.
    p.push_back({"wood", "oak-cove", {44, 300, {wood(kOakDark, kOakLight)},
                                      {band(0.22f, Shape::Round, 0, 0.3f), band(0.58f, Shape::Cove, 0.3f, 0.06f),
                                       band(0.72f, Shape::Bead, 0.06f, 0.2f), band(0.9f, Shape::Flat, 0.08f, 0.08f),
                                       band(1, Shape::Slope, 0.08f, 0)}, 21}});
    p.push_back({"wood", "walnut-bead", {52, 360, {wood(kWalnutDark, kWalnutLight, 0.25f)},
                                         {band(0.3f, Shape::Round, 0, 0.34f), band(0.5f, Shape::Flat, 0.22f, 0.22f, 0, {OK::Beads, 24, 0.35f}),
                                          band(0.85f, Shape::Cove, 0.22f, 0.04f), band(1, Shape::Bead, 0.02f, 0.12f)}, 22}});
    p.push_back({"wood", "mahogany-carved", {60, 320, {wood({84, 30, 18}, {152, 66, 40}, 0.3f)},
                                             {band(0.18f, Shape::Round, 0, 0.25f), band(0.55f, Shape::Flat, 0.2f, 0.2f, 0, {OK::Leaves, 8, 0.3f}),
                                              band(0.7f, Shape::Cove, 0.2f, 0.05f), band(0.85f, Shape::Bead, 0.05f, 0.16f),
                                              band(1, Shape::Slope, 0.08f, 0)}, 23}});
    p.push_back({"wood", "pine-rope", {36, 240, {wood({168, 118, 60}, {226, 188, 124})},
                                       {band(0.4f, Shape::Round, 0, 0.25f), band(0.68f, Shape::Flat, 0.12f, 0.12f, 0, {OK::Rope, 16, 0.4f}),
                                        band(1, Shape::Slope, 0.14f, 0.02f)}, 24}});
    p.push_back({"wood", "cherry-ogee", {48, 280, {wood({108, 44, 30}, {178, 92, 62}, 0.25f)},
                                         {band(0.35f, Shape::Round, 0, 0.3f), band(0.7f, Shape::Cove, 0.3f, 0.05f),
                                          band(1, Shape::Round, 0.05f, 0.15f)}, 25}});
    p.push_back({"wood", "ebony-slim", {30, 200, {wood({34, 24, 20}, {78, 58, 42}, 0.45f)},
                                        {band(0.3f, Shape::Round, 0, 0.2f), band(1, Shape::Slope, 0.2f, 0.04f)}, 26}});
    p.push_back({"wood", "driftwood", {40, 400, {wood({108, 102, 92}, {176, 170, 156}, 0.05f)},
                                       {band(0.15f, Shape::Round, 0, 0.1f), band(0.85f, Shape::Flat, 0.1f, 0.1f),
                                        band(1, Shape::Round, 0.1f, 0)}, 27}});

    // Gilded mouldings: burnished bevels, beads and carved ornament.
    p.push_back({"gold", "ornate", {72, 240, {gilt(kGold)},
                                    {band(0.14f, Shape::Round, 0, 0.22f), band(0.3f, Shape::Bead, 0.16f, 0.3f, 0, {OK::Beads, 16, 0.3f}),
                                     band(0.48f, Shape::Cove, 0.3f, 0.1f), band(0.72f, Shape::Flat, 0.12f, 0.12f, 0, {OK::EggAndDart, 8, 0.35f}),
                                     band(0.88f, Shape::Slope, 0.16f, 0.04f), band(1, Shape::Bead, 0.02f, 0.1f)}, 31}});
    p.push_back({"gold", "bead", {36, 120, {gilt(kGold)},
                                  {band(0.4f, Shape::Round, 0, 0.3f), band(0.75f, Shape::Flat, 0.15f, 0.15f, 0, {OK::Beads, 10, 0.4f}),
                                   band(1, Shape::Slope, 0.15f, 0.02f)}, 32}});
    p.push_back({"gold", "antique-leaf", {56, 300, {gilt(kOldGold, {110, 50, 30})},
                                          {band(0.2f, Shape::Round, 0, 0.24f), band(0.6f, Shape::Flat, 0.18f, 0.18f, 0, {OK::Leaves, 6, 0.35f}),
                                           band(0.8f, Shape::Bead, 0.08f, 0.2f, 0, {OK::Rope, 20, 0.3f}), band(1, Shape::Slope, 0.1f, 0)}, 33}});
    p.push_back({"gold", "rope", {28, 96, {gilt(kGold)},
                                  {band(0.25f, Shape::Round, 0, 0.14f), band(0.8f, Shape::Bead, 0.02f, 0.3f, 0, {OK::Rope, 8, 0.35f}),
                                   band(1, Shape::Flat, 0.04f, 0.04f)}, 34}});
    p.push_back({"gold", "champagne", {44, 200, {gilt(kPaleGold, {160, 120, 80})},
                                       {band(0.3f, Shape::Round, 0, 0.3f), band(0.6f, Shape::Cove, 0.3f, 0.08f),
                                        band(0.78f, Shape::Bead, 0.08f, 0.2f), band(1, Shape::Slope, 0.1f, 0.02f)}, 35}});
    p.push_back({"gold", "baroque", {80, 400, {gilt(kGold)},
                                     {band(0.12f, Shape::Round, 0, 0.2f), band(0.24f, Shape::Flat, 0.2f, 0.2f, 0, {OK::Dentils, 25, 0.25f}),
                                      band(0.56f, Shape::Bead, 0.12f, 0.36f, 0, {OK::Leaves, 8, 0.25f}),
                                      band(0.7f, Shape::Cove, 0.2f, 0.06f), band(0.84f, Shape::Flat, 0.08f, 0.08f, 0, {OK::Beads, 25, 0.4f}),
                                      band(1, Shape::Slope, 0.08f, 0)}, 36}});

    // Modern: flat faces and crisp steps.
    const auto box = [](Material m, int t, int l, std::uint32_t seed) {
        return MouldingDesign{t, l, {m}, {band(0.1f, Shape::Slope, 0, 0.1f), band(0.9f, Shape::Flat, 0.1f, 0.1f),
                                        band(1, Shape::Slope, 0.1f, 0)}, seed};
    };
    p.push_back({"modern1", "black-matte", box(paint(kBlack, 0.05f), 20, 100, 41)});
    p.push_back({"modern1", "brushed-aluminium", box(metal({190, 192, 198}), 16, 200, 42)});
    p.push_back({"modern1", "white-flat", box(paint(kWhite, 0.1f), 24, 120, 43)});
    p.push_back({"modern1", "bronze-box", box(metal({146, 104, 62}, 0.45f), 30, 150, 44)});
    p.push_back({"modern1", "titanium-step", {36, 180, {metal({122, 124, 130})},
                                              {band(0.45f, Shape::Flat, 0.3f, 0.3f), band(0.5f, Shape::Slope, 0.3f, 0.12f),
                                               band(1, Shape::Flat, 0.12f, 0.12f)}, 45}});

    p.push_back({"modern2", "orange-gloss", {26, 100, {paint({232, 112, 22}, 0.8f, 60)},
                                             {band(0.7f, Shape::Round, 0, 0.3f), band(1, Shape::Round, 0.3f, 0.02f)}, 51}});
    p.push_back({"modern2", "teal-step", {34, 120, {paint({20, 120, 128}, 0.4f), paint({230, 230, 226}, 0.2f)},
                                          {band(0.6f, Shape::Flat, 0.25f, 0.25f), band(1, Shape::Flat, 0.08f, 0.08f, 1)}, 52}});
    p.push_back({"modern2", "magenta-bevel", {22, 80, {paint({180, 30, 120}, 0.5f, 40)},
                                              {band(1, Shape::Slope, 0.35f, 0)}, 53}});
    p.push_back({"modern2", "yellow-round", {18, 60, {paint({236, 196, 40}, 0.6f, 50)},
                                             {band(1, Shape::Bead, 0, 0.4f)}, 54}});
    p.push_back({"modern2", "black-white-split", {40, 160, {paint(kBlack, 0.5f, 40), paint(kWhite, 0.3f)},
                                                  {band(0.5f, Shape::Round, 0, 0.2f), band(1, Shape::Slope, 0.2f, 0.02f, 1)}, 55}});

    // Gallery frames: a moulding with a liner or fillet next to the picture.
    p.push_back({"prof", "museum-oak-liner", {70, 300, {wood(kOakDark, kOakLight), paint({226, 218, 198}, 0.05f), gilt(kGold)},
                                              {band(0.14f, Shape::Round, 0, 0.3f), band(0.45f, Shape::Cove, 0.3f, 0.12f),
                                               band(0.5f, Shape::Slope, 0.12f, 0.08f), band(0.93f, Shape::Slope, 0.08f, 0.02f, 1),
                                               band(1, Shape::Bead, 0, 0.06f, 2)}, 61}});
    p.push_back({"prof", "black-gold-fillet", {50, 200, {paint(kBlack, 0.3f), gilt(kGold)},
                                               {band(0.1f, Shape::Round, 0, 0.3f), band(0.82f, Shape::Flat, 0.3f, 0.3f),
                                                band(0.87f, Shape::Slope, 0.3f, 0.1f), band(1, Shape::Bead, 0.04f, 0.14f, 1)}, 62}});
    p.push_back({"prof", "walnut-floater", {46, 260, {wood(kWalnutDark, kWalnutLight, 0.2f), paint({20, 18, 16}, 0)},
                                            {band(0.2f, Shape::Round, 0, 0.3f), band(0.78f, Shape::Flat, 0.3f, 0.3f),
                                             band(1, Shape::Flat, 0, 0, 1)}, 63}});
    p.push_back({"prof", "white-museum-box", {60, 240, {paint(kWhite, 0.1f), paint({170, 170, 168}, 0.1f)},
                                              {band(0.08f, Shape::Round, 0, 0.35f), band(0.8f, Shape::Flat, 0.35f, 0.35f),
                                               band(1, Shape::Slope, 0.3f, 0.05f, 1)}, 64}});
    p.push_back({"prof", "silver-gallery", {40, 200, {metal({200, 202, 206}), paint(kBlack, 0.2f)},
                                            {band(0.55f, Shape::Round, 0, 0.28f), band(0.85f, Shape::Cove, 0.28f, 0.08f),
                                             band(1, Shape::Flat, 0.04f, 0.04f, 1)}, 65}});

    // Fun.
    const auto rounded = [](Material m, int t, int l, std::uint32_t seed) {
        return MouldingDesign{t, l, {m}, {band(1, Shape::Bead, 0, 0.35f)}, seed};
    };
    p.push_back({"other1", "candy-stripes", rounded(stripes({200, 30, 40}, {250, 248, 244}, 6), 30, 120, 71)});
    p.push_back({"other1", "checkerboard", {24, 96, {checks(kBlack, kWhite, 8)}, {band(1, Shape::Flat, 0, 0)}, 72}});
    p.push_back({"other1", "polka-dots", rounded(dots({40, 110, 200}, {250, 250, 250}, 8), 32, 128, 73)});
    p.push_back({"other1", "lime-stripes", rounded(stripes({120, 190, 40}, {250, 230, 60}, 5), 26, 100, 74)});
    p.push_back({"other1", "blue-checks", {36, 144, {checks({40, 80, 170}, {220, 232, 250}, 12)},
                                           {band(0.5f, Shape::Slope, 0, 0.1f), band(1, Shape::Slope, 0.1f, 0)}, 75}});

    p.push_back({"other2", "film-strip", {40, 80, {paint({22, 22, 24}, 0.3f)},
                                          {band(0.22f, Shape::Flat, 0.1f, 0.1f, 0, {OK::Perforation, 4, 0.5f}),
                                           band(0.78f, Shape::Flat, 0.06f, 0.06f),
                                           band(1, Shape::Flat, 0.1f, 0.1f, 0, {OK::Perforation, 4, 0.5f})}, 81}});
    p.push_back({"other2", "natural-rope", {34, 120, {paint({196, 164, 112}, 0.1f)},
                                            {band(1, Shape::Bead, 0, 0.3f, 0, {OK::Rope, 6, 0.45f})}, 82}});
    p.push_back({"other2", "stone-dentils", {44, 160, {paint({182, 176, 164}, 0.05f)},
                                             {band(0.2f, Shape::Round, 0, 0.2f), band(0.6f, Shape::Flat, 0.1f, 0.1f, 0, {OK::Dentils, 8, 0.3f}),
                                              band(1, Shape::Cove, 0.16f, 0)}, 83}});
    p.push_back({"other2", "green-leaves", {38, 150, {paint({60, 130, 50}, 0.3f), paint({96, 64, 36}, 0.1f)},
                                            {band(0.8f, Shape::Flat, 0.05f, 0.05f, 0, {OK::Leaves, 5, 0.5f}),
                                             band(1, Shape::Round, 0.1f, 0, 1)}, 84}});
    p.push_back({"other2", "pearl-string", {20, 64, {paint({236, 232, 240}, 0.9f, 40)},
                                            {band(1, Shape::Flat, 0, 0, 0, {OK::Beads, 4, 0.45f})}, 85}});
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: frame_patterns DATA_FOLDER\n");
        return 2;
    }
    const fs::path frameFolder = fs::path(argv[1]) / "frame";
    try {
        const auto patterns = catalogue();
        // Start each style folder afresh so a renamed pattern leaves no copy
        // behind; the user folder is never touched.
        for (const auto& pattern : patterns) {
            const fs::path folder = frameFolder / pattern.style;
            if (!fs::exists(folder)) continue;
            for (const auto& entry : fs::directory_iterator(folder))
                if (entry.path().extension() == ".png") fs::remove(entry.path());
        }
        for (const auto& pattern : patterns) {
            const fs::path folder = frameFolder / pattern.style;
            fs::create_directories(folder);
            const fs::path file = folder / (std::string(pattern.name) + ".png");
            qm::codecs::writeImage(renderMoulding(pattern.design), file);
            std::printf("%s\n", file.string().c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "frame_patterns: %s\n", e.what());
        return 1;
    }
    return 0;
}
