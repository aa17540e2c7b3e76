#include "tools/canvas_size.h"

#include <algorithm>
#include <cmath>

#include "core/draw.h"

namespace qm {

int clampCanvasSide(long long side) {
    return int(std::clamp<long long>(side, kMinCanvasSide, kMaxCanvasSide));
}

namespace {
int half(int difference) { return int(std::trunc(difference / 2.0)); }
}  // namespace

Point anchorOrigin(CanvasAnchor anchor, int width, int height, int newWidth, int newHeight) {
    const int dx = newWidth - width, dy = newHeight - height;
    const int column = int(anchor) % 3, row = int(anchor) / 3;
    const int x = column == 0 ? 0 : column == 1 ? half(dx) : dx;
    const int y = row == 0 ? 0 : row == 1 ? half(dy) : dy;
    return {x, y};
}

Image placeOnCanvas(const Image& picture, int newWidth, int newHeight, CanvasAnchor anchor, Rgb colour) {
    const int w = clampCanvasSide(newWidth), h = clampCanvasSide(newHeight);
    Image canvas(w, h, colour);
    const Point at = anchorOrigin(anchor, picture.width(), picture.height(), w, h);
    drawImage(canvas, picture, at.x, at.y);
    return canvas;
}

int canvasAspectSide(int newSide, int referenceSide, int referenceOther) {
    if (referenceSide <= 0) return kMinCanvasSide;
    const double other = std::nearbyint(double(newSide) / referenceSide * referenceOther);
    return clampCanvasSide(static_cast<long long>(std::clamp(other, -1e15, 1e15)));
}

PreviewSize previewSize(int canvasWidth, int canvasHeight) {
    if (canvasWidth <= 0 || canvasHeight <= 0) return {};
    const float sx = std::min(318.0f / float(canvasWidth), 1.0f);
    const float sy = std::min(175.0f / float(canvasHeight), 1.0f);
    const float s = std::min(sx, sy);
    return {int(std::trunc(double(canvasWidth) * s)), int(std::trunc(double(canvasHeight) * s))};
}

}  // namespace qm
