// --canvas: a new canvas size with the picture at one of nine places.
#include "cli/operation.h"
#include "tools/canvas_size.h"

namespace qm::cli {
namespace {

Step parseCanvas(OptionValue& value, const OperationContext&) {
    const auto side = [&](int index, const char* what) {
        return value.parseInt(value.positional(index, what), kMinCanvasSide, kMaxCanvasSide);
    };
    const int width = side(0, "W"), height = side(1, "H");
    const CanvasAnchor anchor = value.choice<CanvasAnchor>("anchor", {
                                                               {"top-left", CanvasAnchor::TopLeft},
                                                               {"top-center", CanvasAnchor::TopCenter},
                                                               {"top-right", CanvasAnchor::TopRight},
                                                               {"center-left", CanvasAnchor::CenterLeft},
                                                               {"center", CanvasAnchor::Center},
                                                               {"center-right", CanvasAnchor::CenterRight},
                                                               {"bottom-left", CanvasAnchor::BottomLeft},
                                                               {"bottom-center", CanvasAnchor::BottomCenter},
                                                               {"bottom-right", CanvasAnchor::BottomRight},
                                                           },
                                                           CanvasAnchor::Center);
    const Rgb colour = value.colour("color", ColorChoice::of({255, 255, 255})).resolved();
    return [=](Image image) { return placeOnCanvas(image, width, height, anchor, colour); };
}

const OperationRegistration registration{
    {"canvas",
     "W,H[,anchor=A][,color=#RRGGBB]\n"
     "                           canvas of W x H (1...9999) with the picture at A:\n"
     "                           top-left top-center top-right center-left center\n"
     "                           center-right bottom-left bottom-center bottom-right\n"
     "                           (default center) on white",
     parseCanvas}};

}  // namespace
}  // namespace qm::cli
