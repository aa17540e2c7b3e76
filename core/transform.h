#pragma once
#include "core/image.h"

namespace qm {

// Exact quarter and half turns; a positive angle turns counter-clockwise.
// Only 90, -90, 180 and -180 (and 0, 360...) are accepted; others throw.
// The alpha plane turns with the picture.
Image rotate(const Image& image, int degrees);

enum class FlipDirection { Horizontal, Vertical };
// Horizontal reverses every row, vertical reverses the order of the rows.
void flip(Image& image, FlipDirection direction);

// Every channel c becomes 255 - c; alpha is untouched.
void negative(Image& image);

}  // namespace qm
