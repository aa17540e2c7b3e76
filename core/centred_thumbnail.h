#pragma once
#include "core/image.h"

namespace qm {

// A collection picture narrower than the thumbnail cell is not scaled up:
// it is drawn at its own size, centred on a canvas of the cell's width and
// at least the cell's height, filled with the strip's background.
inline constexpr int kCentredThumbnailSide = 100;

struct CentredThumbnailPlacement {
    int canvasWidth = 0, canvasHeight = 0;  // the thumbnail
    int x = 0, y = 0;                       // where the picture goes on it
    friend bool operator==(const CentredThumbnailPlacement&, const CentredThumbnailPlacement&) = default;
};

// True when a picture this wide gets a centred thumbnail; wider ones are
// shown scaled from their file.
inline bool needsCentredThumbnail(int pictureWidth) { return pictureWidth < kCentredThumbnailSide; }

CentredThumbnailPlacement centredThumbnailPlacement(int pictureWidth, int pictureHeight);
Image makeCentredThumbnail(const Image& picture, Rgb background);

}  // namespace qm
