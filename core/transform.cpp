#include "core/transform.h"

#include <algorithm>

#include "core/error.h"

namespace qm {

Image rotate(const Image& image, int degrees) {
    const int turn = ((degrees % 360) + 360) % 360;
    if (turn % 90 != 0) throw Error("rotation by " + std::to_string(degrees) + " degrees is not a quarter turn");
    if (turn == 0) return image;
    const int w = image.width(), h = image.height();
    const bool quarter = turn != 180;
    Image out(quarter ? h : w, quarter ? w : h);
    if (image.hasAlpha()) out.ensureAlpha();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int nx, ny;
            if (turn == 90) { nx = y; ny = w - 1 - x; }            // counter-clockwise
            else if (turn == 270) { nx = h - 1 - y; ny = x; }      // clockwise
            else { nx = w - 1 - x; ny = h - 1 - y; }
            out.at(nx, ny) = image.at(x, y);
            if (image.hasAlpha()) out.alphaRow(ny)[nx] = image.alphaRow(y)[x];
        }
    }
    return out;
}

void flip(Image& image, FlipDirection direction) {
    const int w = image.width(), h = image.height();
    if (direction == FlipDirection::Horizontal) {
        for (int y = 0; y < h; ++y) {
            std::reverse(image.row(y), image.row(y) + w);
            if (image.hasAlpha()) std::reverse(image.alphaRow(y), image.alphaRow(y) + w);
        }
    } else {
        for (int y = 0; y < h / 2; ++y) {
            std::swap_ranges(image.row(y), image.row(y) + w, image.row(h - 1 - y));
            if (image.hasAlpha()) std::swap_ranges(image.alphaRow(y), image.alphaRow(y) + w, image.alphaRow(h - 1 - y));
        }
    }
}

void negative(Image& image) {
    for (int y = 0; y < image.height(); ++y)
        for (Rgb* p = image.row(y); p != image.row(y) + image.width(); ++p)
            *p = {std::uint8_t(255 - p->r), std::uint8_t(255 - p->g), std::uint8_t(255 - p->b)};
}

}  // namespace qm
