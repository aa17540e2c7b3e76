#pragma once
#include "core/image.h"

namespace qm {

// Fills the part of `area` that lies inside the picture; the alpha plane, if
// any, is left as it is.
void fillRect(Image& image, Rect area, Rgb colour);

// Copies the colour values of `source` onto `target` with its top-left at
// (x, y), opaque, clipped on all four sides (negative positions included).
// The alpha of neither picture is read or written.
void drawImage(Image& target, const Image& source, int x, int y);

// The part of `area` inside the picture, as a new picture (alpha included
// when the source has one). An area wholly outside gives an empty picture.
Image copyRect(const Image& source, Rect area);

// `area` clipped to the bounds of `image`.
Rect clipToImage(const Image& image, Rect area);

}  // namespace qm
