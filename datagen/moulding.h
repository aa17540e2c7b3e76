#pragma once
#include <cstdint>
#include <vector>

#include "core/image.h"

namespace qm::datagen {

struct Colour {
    float r = 0, g = 0, b = 0;
};

// What the surface of a moulding is made of.
struct Material {
    enum class Kind { Paint, Wood, Gilt, BrushedMetal, Stripes, Checks, Dots };
    Kind kind = Kind::Paint;
    Colour base;            // paint, the dark of wood and stripes, the gold
    Colour second;          // the light of wood, the second colour of patterns
    float gloss = 0.2f;     // strength of the highlight
    float shininess = 20;   // tightness of the highlight
    int repeats = 4;        // stripes, checks or dots per repeat length
};

// Relief added on top of a band of the profile; every one repeats a whole
// number of times along the length, so the strip tiles without a seam.
struct Ornament {
    enum class Kind { None, Beads, Rope, EggAndDart, Flutes, Dentils, Leaves, Perforation };
    Kind kind = Kind::None;
    int count = 0;          // repeats per length
    float depth = 0.3f;     // relief, as a share of the band's width
};

// One band across the moulding, from the previous band's end to `end`
// (a share of the thickness, 0 = outer edge). Heights are shares of the
// thickness; `shape` says how the height goes from `from` to `to`.
struct Band {
    enum class Shape { Flat, Slope, Round, Cove, Bead };
    float end = 1;
    Shape shape = Shape::Flat;
    float from = 0, to = 0;
    int material = 0;
    Ornament ornament{};
};

struct MouldingDesign {
    int thickness = 20;  // rows: the outer edge first
    int length = 100;    // the repeat, in columns
    std::vector<Material> materials;
    std::vector<Band> bands;
    std::uint32_t seed = 1;
};

// Renders the moulding lit from the upper left, as a seamless strip.
Image renderMoulding(const MouldingDesign& design);

}  // namespace qm::datagen
