#include "documents/print_layout.h"

#include <algorithm>

namespace qm {
namespace {

constexpr double kMillimetresPerInch = 25.4;

double aligned(PrintAlignment alignment, double start, double room, double extent) {
    switch (alignment) {
    case PrintAlignment::Start: return start;
    case PrintAlignment::Center: return start + (room - extent) / 2;
    case PrintAlignment::End: return start + room - extent;
    }
    return start;
}

}  // namespace

PageRect placePicture(int pictureWidth, int pictureHeight, double pageWidth, double pageHeight,
                      const PrintLayout& layout) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return {};
    const double roomWidth = std::max(0.0, pageWidth - layout.marginLeft - layout.marginRight);
    const double roomHeight = std::max(0.0, pageHeight - layout.marginTop - layout.marginBottom);
    double width = 0, height = 0;
    switch (layout.size) {
    case PrintSize::FitToPage: {
        const double scale = std::min(roomWidth / pictureWidth, roomHeight / pictureHeight);
        width = pictureWidth * scale;
        height = pictureHeight * scale;
        break;
    }
    case PrintSize::OriginalSize:
        if (layout.pixelsPerInch > 0) {
            width = pictureWidth / layout.pixelsPerInch * kMillimetresPerInch;
            height = pictureHeight / layout.pixelsPerInch * kMillimetresPerInch;
        }
        break;
    case PrintSize::Custom:
        width = std::max(0.0, layout.customWidth);
        height = std::max(0.0, layout.customHeight);
        break;
    }
    return {aligned(layout.horizontal, layout.marginLeft, roomWidth, width),
            aligned(layout.vertical, layout.marginTop, roomHeight, height), width, height};
}

double proportionalHeight(int pictureWidth, int pictureHeight, double width) {
    return pictureWidth > 0 ? width * pictureHeight / pictureWidth : 0;
}

}  // namespace qm
