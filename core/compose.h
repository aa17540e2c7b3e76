#pragma once
#include "core/image.h"

namespace qm {

// Lays `top` over `bottom` (same size) through the alpha plane of `top`:
// each channel becomes round((T * a + B * (255 - a)) / 255), so alpha 255
// shows `top`, alpha 0 shows `bottom`. `top` without alpha covers `bottom`.
// The result has no alpha plane.
Image mergeOver(const Image& bottom, const Image& top);

// Flattens the alpha plane onto `background`: each channel becomes
// B + floor((P - B) * a / 256), then the plane is dropped. Division by 256
// (not 255) is what the working view has always done, and the shadow's exact
// output depends on it. Nothing happens to a picture without alpha.
void removeAlpha(Image& image, Rgb background);

}  // namespace qm
