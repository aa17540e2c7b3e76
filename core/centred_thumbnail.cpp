#include "core/centred_thumbnail.h"

#include <algorithm>

#include "core/draw.h"

namespace qm {

CentredThumbnailPlacement centredThumbnailPlacement(int pictureWidth, int pictureHeight) {
    CentredThumbnailPlacement p;
    p.canvasWidth = kCentredThumbnailSide;
    p.canvasHeight = std::max(pictureHeight, kCentredThumbnailSide);
    // Integer division truncates toward zero, as the placement always has.
    p.x = (p.canvasWidth - pictureWidth) / 2;
    p.y = (p.canvasHeight - pictureHeight) / 2;
    return p;
}

Image makeCentredThumbnail(const Image& picture, Rgb background) {
    const auto p = centredThumbnailPlacement(picture.width(), picture.height());
    Image canvas(p.canvasWidth, p.canvasHeight, background);
    drawImage(canvas, picture, p.x, p.y);
    return canvas;
}

}  // namespace qm
