#include "tools/soft_shadow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/draw.h"
#include "core/error.h"

namespace qm {

int shadowGrowth(const Image& picture, const ShadowParams& params) {
    if (!std::isfinite(params.radius)) throw Error("the shadow radius must be a finite number");
    const double reach = std::max(std::abs(double(params.offsetX)), std::abs(double(params.offsetY)));
    const double growth = std::max(2 * reach + std::trunc(params.radius * 5), 1.0);
    // Checked in floating point first: a huge radius must not overflow the
    // integer size before the limit refuses it.
    const double width = picture.width() + growth, height = picture.height() + growth;
    if (growth > kMaxSide || !sizeAllowed(std::int64_t(width), std::int64_t(height)))
        throw Error("shadow radius or offsets too large: the picture would become " + std::to_string(std::llround(width)) +
                    " x " + std::to_string(std::llround(height)) + " pixels, more than can be made");
    return int(growth);
}

namespace {

// The grown canvas: black and transparent, the picture (opaque where it had
// no alpha) moved right and down by half the growth.
Image growCanvas(const Image& picture, int grow) {
    Image grown(picture.width() + grow, picture.height() + grow, Rgb{0, 0, 0});
    grown.ensureAlpha(0);
    const int shift = grow / 2;
    drawImage(grown, picture, shift, shift);
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* target = grown.alphaRow(y + shift) + shift;
        if (picture.hasAlpha()) std::memcpy(target, picture.alphaRow(y), std::size_t(picture.width()));
        else std::memset(target, 255, std::size_t(picture.width()));
    }
    return grown;
}

// Moves the plane's content by (dx, dy); what leaves it is lost, what comes
// in is 0.
void shiftPlane(std::uint8_t* plane, int width, int height, int dx, int dy) {
    const int columns = std::max(0, width - std::abs(dx));
    const int from = std::max(0, -dx), to = std::max(0, dx);
    const auto moveRow = [&](int y) {
        std::uint8_t* row = plane + std::ptrdiff_t(y) * width;
        const int source = y - dy;
        if (source < 0 || source >= height || columns == 0) {
            std::memset(row, 0, std::size_t(width));
            return;
        }
        const std::uint8_t* sourceRow = plane + std::ptrdiff_t(source) * width;
        std::memmove(row + to, sourceRow + from, std::size_t(columns));
        std::memset(row, 0, std::size_t(to));
        std::memset(row + to + columns, 0, std::size_t(width - to - columns));
    };
    // Rows are read before they are overwritten: downwards moves go from the
    // bottom up.
    if (dy > 0)
        for (int y = height - 1; y >= 0; --y) moveRow(y);
    else
        for (int y = 0; y < height; ++y) moveRow(y);
}

std::uint8_t blendEdge(std::uint8_t shadowChannel, std::uint8_t pixel, double a, double s) {
    const double under = std::trunc(shadowChannel * s + (1 - s) * pixel);
    return std::uint8_t(std::trunc(pixel * a + (1 - a) * under));
}

// Where the unblurred alpha is 0: the shadow shows in its colour, its alpha
// stays as blurred.
void paintShadow(Rgb* pixels, const std::uint8_t* alpha, int count, Rgb colour) {
    for (int x = 0; x < count; ++x)
        if (alpha[x] != 0) pixels[x] = colour;
}

// One row of the picture's own pixels: opaque ones cover the shadow, partly
// transparent ones blend over it, transparent ones let it show.
void compositePictureRow(Rgb* pixels, std::uint8_t* alpha, const std::uint8_t* original, int count, Rgb colour) {
    for (int x = 0; x < count; ++x) {
        const std::uint8_t a0 = original[x], s = alpha[x];
        if (a0 == 0) {
            if (s != 0) pixels[x] = colour;
        } else if (a0 == 255) {
            alpha[x] = 255;
        } else {
            const double a = a0 / 255.0, sf = s / 255.0;
            Rgb& p = pixels[x];
            p = {blendEdge(colour.r, p.r, a, sf), blendEdge(colour.g, p.g, a, sf), blendEdge(colour.b, p.b, a, sf)};
            const double coverage = (1 - a) * sf + a;
            alpha[x] = std::uint8_t(std::trunc(coverage * 255));
        }
    }
}

// The unblurred alpha is the picture's own (255 where it has none) inside
// its place on the canvas and 0 round it, so it is read from the picture
// rather than kept as a copy.
void composite(Image& canvas, const Image& picture, int shift, Rgb colour) {
    const int w = canvas.width(), pw = picture.width();
    for (int y = 0; y < canvas.height(); ++y) {
        Rgb* pixels = canvas.row(y);
        std::uint8_t* alpha = canvas.alphaRow(y);
        const int pictureY = y - shift;
        if (pictureY < 0 || pictureY >= picture.height()) {
            paintShadow(pixels, alpha, w, colour);
            continue;
        }
        paintShadow(pixels, alpha, shift, colour);
        if (picture.hasAlpha())
            compositePictureRow(pixels + shift, alpha + shift, picture.alphaRow(pictureY), pw, colour);
        else
            std::memset(alpha + shift, 255, std::size_t(pw));
        paintShadow(pixels + shift + pw, alpha + shift + pw, w - shift - pw, colour);
    }
}

}  // namespace

void addSoftShadow(Image& picture, const ShadowParams& params) {
    if (picture.empty()) return;
    const int grow = shadowGrowth(picture, params);
    Image canvas = growCanvas(picture, grow);
    const int w = canvas.width(), h = canvas.height();
    blurPlane(canvas.alphaData(), w, h, params.radius);
    if (params.offsetX != 0 || params.offsetY != 0)
        shiftPlane(canvas.alphaData(), w, h, params.offsetX, params.offsetY);
    composite(canvas, picture, grow / 2, params.colour);
    picture = std::move(canvas);
}

}  // namespace qm
