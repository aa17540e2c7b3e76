#pragma once
#include <QImage>

#include "core/image.h"

namespace qm {

// A deep copy of `picture` as an RGB888 QImage (the alpha plane is dropped).
QImage toQImage(const Image& picture);
// A 24-bit copy of `image`; transparent pixels are composed over white, the
// way a paste shows them elsewhere. Throws qm::Error when the size is not allowed.
Image fromQImage(const QImage& image);

}  // namespace qm
