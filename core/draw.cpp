#include "core/draw.h"

#include <algorithm>
#include <cstring>

namespace qm {

Rect clipToImage(const Image& image, Rect area) {
    const int x0 = std::max(area.x, 0), y0 = std::max(area.y, 0);
    const int x1 = std::min<long long>(static_cast<long long>(area.x) + area.width, image.width());
    const int y1 = std::min<long long>(static_cast<long long>(area.y) + area.height, image.height());
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

void fillRect(Image& image, Rect area, Rgb colour) {
    const Rect r = clipToImage(image, area);
    for (int y = r.y; y < r.bottom(); ++y) std::fill_n(image.row(y) + r.x, r.width, colour);
}

void drawImage(Image& target, const Image& source, int x, int y) {
    const Rect r = clipToImage(target, {x, y, source.width(), source.height()});
    for (int ty = r.y; ty < r.bottom(); ++ty)
        std::memcpy(target.row(ty) + r.x, source.row(ty - y) + (r.x - x), std::size_t(r.width) * sizeof(Rgb));
}

Image copyRect(const Image& source, Rect area) {
    const Rect r = clipToImage(source, area);
    if (r.empty()) return {};
    Image out(r.width, r.height);
    for (int y = 0; y < r.height; ++y)
        std::memcpy(out.row(y), source.row(r.y + y) + r.x, std::size_t(r.width) * sizeof(Rgb));
    if (source.hasAlpha()) {
        out.ensureAlpha();
        for (int y = 0; y < r.height; ++y)
            std::memcpy(out.alphaRow(y), source.alphaRow(r.y + y) + r.x, std::size_t(r.width));
    }
    return out;
}

}  // namespace qm
