#include "core/compose.h"

#include <stdexcept>

namespace qm {

namespace {
inline std::uint8_t blend255(int top, int bottom, int a) {
    // (x + 127) / 255 rounds a non-negative quotient to the nearest integer;
    // the numerator over 255 is never exactly halfway.
    return std::uint8_t((top * a + bottom * (255 - a) + 127) / 255);
}
inline std::uint8_t flatten256(int p, int b, int a) {
    const int d = (p - b) * a;
    // Arithmetic shift floors negative values too.
    return std::uint8_t(b + (d >> 8));
}
}  // namespace

Image mergeOver(const Image& bottom, const Image& top) {
    if (bottom.width() != top.width() || bottom.height() != top.height())
        throw std::invalid_argument("mergeOver: layers differ in size");
    Image out(top.width(), top.height());
    for (int y = 0; y < out.height(); ++y) {
        const Rgb* t = top.row(y);
        const Rgb* b = bottom.row(y);
        Rgb* o = out.row(y);
        if (!top.hasAlpha()) {
            std::copy(t, t + out.width(), o);
            continue;
        }
        const std::uint8_t* a = top.alphaRow(y);
        for (int x = 0; x < out.width(); ++x) {
            const int ax = a[x];
            if (ax == 255) o[x] = t[x];
            else if (ax == 0) o[x] = b[x];
            else o[x] = {blend255(t[x].r, b[x].r, ax), blend255(t[x].g, b[x].g, ax), blend255(t[x].b, b[x].b, ax)};
        }
    }
    return out;
}

void removeAlpha(Image& image, Rgb background) {
    if (!image.hasAlpha()) return;
    for (int y = 0; y < image.height(); ++y) {
        Rgb* p = image.row(y);
        const std::uint8_t* a = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x)
            p[x] = {flatten256(p[x].r, background.r, a[x]), flatten256(p[x].g, background.g, a[x]),
                    flatten256(p[x].b, background.b, a[x])};
    }
    image.dropAlpha();
}

}  // namespace qm
