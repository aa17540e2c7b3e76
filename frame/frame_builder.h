#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/image.h"

namespace qm {

// The colour scratch pictures blend transparency onto (the button face).
inline constexpr Rgb kButtonFace{240, 240, 240};

enum class FramePosition {
    Inside,   // the frame covers the edge of the picture, which keeps its size
    Outside,  // the frame is built around it: the picture grows by 2t each way
};

// How to frame a picture with a pattern: a straight piece of moulding as a
// horizontal strip whose height is the thickness t, whose width is the
// repeat length L, and whose top row is the outer edge of the frame.
struct FrameOptions {
    FramePosition position = FramePosition::Inside;
    // The custom thickness as the user typed it; none keeps the pattern's own.
    std::optional<std::string> customThickness;
    bool rotate180 = false;  // outer and inner edge swap
};

// The height a custom thickness text asks for, given the pattern's height:
// a decimal integer; 0, -1 and anything that is not an integer keep the
// height; other negative numbers count as their magnitude.
int requestedThickness(std::string_view text, int patternHeight);

// The pattern as the frame uses it: resampled (triangle filter) to the
// custom thickness, its length unchanged, then turned by 180 degrees if asked.
// Throws qm::Error for an empty pattern or a thickness too large to hold.
Image preparePattern(const Image& pattern, const FrameOptions& options);

// Frames `picture`: the prepared pattern is tiled along the top and bottom
// edges and, turned a quarter, along the sides, each edge from its start
// and clipped at its end, and the corners are mitred on their diagonals (the
// diagonal itself belongs to the top and bottom). Where the frame is thicker
// than half the picture, the right side covers the left and the bottom the
// top, and the corner squares overlap in a fixed order. The result is
// opaque: with the frame inside, transparent parts of the picture are
// blended onto `background`; built outside, its colours are taken as stored.
// Throws qm::Error for an empty picture or pattern, or a result too large.
Image buildFrame(const Image& picture, const Image& pattern, const FrameOptions& options,
                 Rgb background = kButtonFace);

}  // namespace qm
