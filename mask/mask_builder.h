#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/color_choice.h"
#include "core/image.h"

namespace qm {

enum class MaskBackground { Color, Gradient, Texture, File };
enum class GradientDirection { Vertical, Horizontal };

// Everything the mask build reads from the Mask page, with the page's
// initial state as defaults.
struct MaskOptions {
    int opacity = 100;        // per cent; values outside 0..100 are clamped
    bool invertMask = false;  // checked: the mask file is used as it is
    MaskBackground background = MaskBackground::Gradient;
    ColorChoice backColor;    // the "Color" background
    GradientDirection gradient = GradientDirection::Vertical;
    ColorChoice startColor = ColorChoice::of({255, 255, 255});
    ColorChoice endColor;
    // The selected texture; none when the texture collection is empty.
    std::optional<std::filesystem::path> texture;
    // The "File" background exactly as typed; it is quoted in messages.
    std::string backgroundFile;
};

struct MaskResult {
    // None when the build did nothing: the picture stays as it was.
    std::optional<Image> picture;
    // Texts for error boxes, in the order they arose. The build goes on after
    // a background that cannot be used, so a message may come with a picture.
    std::vector<std::string> messages;
};

// Decodes a picture file, throwing qm::Error with the reason.
using PictureReader = std::function<Image(const std::filesystem::path&)>;
// The program's own reader: the codec chosen by the extension.
PictureReader defaultPictureReader();

// a * b / c rounded to the nearest integer, halves away from zero, computed
// without overflow in between. A zero divisor, or a quotient outside the
// int range, gives -1.
int mulDiv(int a, int b, int c);

// The mask scaled to width x height with the fast linear filter and, unless
// `invertMask`, turned negative: afterwards 255 means background.
Image prepareMask(const Image& mask, int width, int height, bool invertMask);

// Two-line bands from `start` (top or left) to `end` (bottom or right).
// An axis shorter than 4 lines is all `start`; the last line of an odd axis
// takes `end`.
void paintGradient(Image& canvas, GradientDirection direction, Rgb start, Rgb end);

// `tile` drawn unscaled and opaque from the top-left corner across the whole
// canvas, the last row and column clipped.
void tileOver(Image& canvas, const Image& tile);

// Per pixel, alpha A = floor(m * opacity / 100) from the red channel of the
// prepared mask, then round((B * A + P * (255 - A)) / 255) per channel. All
// three pictures have the same size; the result is opaque.
Image blendThroughMask(const Image& picture, const Image& background, const Image& preparedMask, int opacity);

// The whole build: a missing mask file does nothing, silently; one that does
// not decode does nothing and says so. A background that is missing (texture:
// silently; file: with a message) or does not decode (with a message) leaves
// the prepared mask itself as the background.
MaskResult buildMask(const Image& picture, const std::filesystem::path& maskFile, const MaskOptions& options,
                     const PictureReader& read = defaultPictureReader());

}  // namespace qm
