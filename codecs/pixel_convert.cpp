#include "codecs/pixel_convert.h"

namespace qm::codecs {

void greyToRgb(const std::uint8_t* grey, Rgb* out, int count) {
    for (int i = 0; i < count; ++i) out[i] = {grey[i], grey[i], grey[i]};
}

void splitRgba(const std::uint8_t* rgba, Rgb* out, std::uint8_t* alpha, int count) {
    for (int i = 0; i < count; ++i, rgba += 4) {
        out[i] = {rgba[0], rgba[1], rgba[2]};
        alpha[i] = rgba[3];
    }
}

void splitGreyAlpha(const std::uint8_t* greyAlpha, Rgb* out, std::uint8_t* alpha, int count) {
    for (int i = 0; i < count; ++i, greyAlpha += 2) {
        out[i] = {greyAlpha[0], greyAlpha[0], greyAlpha[0]};
        alpha[i] = greyAlpha[1];
    }
}

void flattenOntoWhite(Image& image) {
    if (!image.hasAlpha()) return;
    for (int y = 0; y < image.height(); ++y) {
        Rgb* p = image.row(y);
        const std::uint8_t* a = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x) {
            if (a[x] == 255) continue;
            p[x] = {overWhite(p[x].r, a[x]), overWhite(p[x].g, a[x]), overWhite(p[x].b, a[x])};
        }
    }
    image.dropAlpha();
}

}  // namespace qm::codecs
