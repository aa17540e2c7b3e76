#pragma once
#include "core/image.h"

namespace qm {

struct BorderWidths {
    int top = 2, left = 2, bottom = 2, right = 2;
};

// Puts a plain border of `colour` round the picture. Outside, the canvas
// grows by the widths and the picture sits at (left, top); inside, the size
// stays and strips of the given widths along the edges are painted over.
// Negative widths count as 0. Inside, widths that meet or cross the middle
// cover the whole picture.
void addBorder(Image& picture, BorderWidths widths, Rgb colour, bool outside);

}  // namespace qm
