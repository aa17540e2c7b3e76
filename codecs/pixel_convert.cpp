#include "codecs/pixel_convert.h"

namespace qm::codecs {

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
