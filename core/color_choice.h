#pragma once
#include "core/image.h"

namespace qm {

// A colour as the colour buttons give it: either "Automatic" or a chosen
// colour. Automatic carries the value zero, so every user of the colour
// reads it as black.
struct ColorChoice {
    bool automatic = true;
    Rgb rgb{};
    Rgb resolved() const { return automatic ? Rgb{0, 0, 0} : rgb; }
    static ColorChoice automaticColor() { return {}; }
    static ColorChoice of(Rgb c) { return {false, c}; }
    friend bool operator==(const ColorChoice&, const ColorChoice&) = default;
};

}  // namespace qm
