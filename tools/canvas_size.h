#pragma once
#include "core/image.h"

namespace qm {

// Where the picture goes on the new canvas, in the order the placement list
// offers them.
enum class CanvasAnchor {
    TopLeft, TopCenter, TopRight,
    CenterLeft, Center, CenterRight,
    BottomLeft, BottomCenter, BottomRight,
};

inline constexpr int kMinCanvasSide = 1;
inline constexpr int kMaxCanvasSide = 9999;
int clampCanvasSide(long long side);

struct Point { int x = 0, y = 0; friend bool operator==(const Point&, const Point&) = default; };

// The top-left corner of a width x height picture on a newWidth x newHeight
// canvas; negative where the canvas is smaller and the picture is cut.
// Centring halves the difference and cuts the fraction toward zero.
Point anchorOrigin(CanvasAnchor anchor, int width, int height, int newWidth, int newHeight);

// The new canvas (each side clamped to 1 ... 9999) filled with `colour`, the
// picture drawn on it at its anchor.
Image placeOnCanvas(const Image& picture, int newWidth, int newHeight, CanvasAnchor anchor, Rgb colour);

// The side that keeps the aspect ratio while a spin edit is typed into: the
// quotient first, then the product, rounded half to even, clamped to
// 1 ... 9999.
int canvasAspectSide(int newSide, int referenceSide, int referenceOther);

struct PreviewSize { int width = 0, height = 0; friend bool operator==(const PreviewSize&, const PreviewSize&) = default; };
inline constexpr int kPreviewBoxWidth = 320, kPreviewBoxHeight = 177;
// The size of the preview picture (its black frame included): the canvas
// scaled down to fit 318 x 175, never enlarged.
PreviewSize previewSize(int canvasWidth, int canvasHeight);

}  // namespace qm
