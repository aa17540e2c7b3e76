#include "tools/border.h"

#include <algorithm>
#include <cstdint>

#include "core/draw.h"

namespace qm {

void addBorder(Image& picture, BorderWidths widths, Rgb colour, bool outside) {
    const int top = std::max(widths.top, 0), left = std::max(widths.left, 0);
    const int bottom = std::max(widths.bottom, 0), right = std::max(widths.right, 0);
    const int w = picture.width(), h = picture.height();
    if (outside) {
        const std::int64_t newWidth = std::int64_t(w) + left + right;
        const std::int64_t newHeight = std::int64_t(h) + top + bottom;
        checkSize(newWidth, newHeight, "border");
        Image framed(int(newWidth), int(newHeight), colour);
        drawImage(framed, picture, left, top);
        picture = std::move(framed);
        return;
    }
    // What stays visible inside the strips; nothing when they meet.
    const std::int64_t keptWidth = std::int64_t(w) - left - right;
    const std::int64_t keptHeight = std::int64_t(h) - top - bottom;
    const Image inner = keptWidth > 0 && keptHeight > 0
                            ? copyRect(picture, {left, top, int(keptWidth), int(keptHeight)})
                            : Image();
    fillRect(picture, picture.bounds(), colour);
    if (!inner.empty()) drawImage(picture, inner, left, top);
}

}  // namespace qm
