// --border: a plain border outside the picture or over its edges.
#include "cli/operation.h"
#include "core/image.h"
#include "tools/border.h"

namespace qm::cli {
namespace {

Step parseBorder(OptionValue& value, const OperationContext&) {
    const bool inside = value.flag("inside");
    const ColorChoice colour = value.colour("color", ColorChoice::automaticColor());
    const auto width = [&](int index, const char* what) {
        return value.parseInt(value.positional(index, what), 0, kMaxSide);
    };
    const BorderWidths widths{width(0, "T"), width(1, "L"), width(2, "B"), width(3, "R")};
    const Rgb rgb = colour.resolved();
    return [=](Image image) {
        addBorder(image, widths, rgb, !inside);
        return image;
    };
}

const OperationRegistration registration{
    {"border",
     "T,L,B,R[,color=#RRGGBB|auto][,inside]\n"
     "                           border of T, L, B, R pixels (top, left, bottom,\n"
     "                           right) round the picture, or over its edges with\n"
     "                           inside; auto (the default) is black",
     parseBorder}};

}  // namespace
}  // namespace qm::cli
