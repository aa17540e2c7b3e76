// --rotate, --flip, --crop and --resize.
#include <cstdlib>

#include "cli/operation.h"
#include "core/draw.h"
#include "core/error.h"
#include "core/resample.h"
#include "core/transform.h"

namespace qm::cli {
namespace {

Step parseRotate(OptionValue& value, const OperationContext&) {
    const int degrees = value.lookup<int>(value.positional(0, "the angle"),
                                          {{"90", 90}, {"-90", -90}, {"180", 180}, {"-180", 180}, {"270", -90}, {"-270", 90}});
    return [degrees](Image image) { return rotate(image, degrees); };
}

Step parseFlip(OptionValue& value, const OperationContext&) {
    const FlipDirection direction = value.lookup<FlipDirection>(
        value.positional(0, "the direction"),
        {{"horizontal", FlipDirection::Horizontal}, {"vertical", FlipDirection::Vertical}});
    return [direction](Image image) {
        flip(image, direction);
        return image;
    };
}

Step parseCrop(OptionValue& value, const OperationContext&) {
    const Rect area{value.positionalInt(0, "X"), value.positionalInt(1, "Y"), value.positionalInt(2, "W"),
                    value.positionalInt(3, "H")};
    if (area.width <= 0 || area.height <= 0) value.fail("width and height must be at least 1");
    return [area](Image image) {
        Image cut = copyRect(image, area);
        if (cut.empty())
            throw Error("the crop area lies outside the " + std::to_string(image.width()) + " x " +
                        std::to_string(image.height()) + " picture");
        return cut;
    };
}

Step parseResize(OptionValue& value, const OperationContext&) {
    const int width = value.positionalInt(0, "W");
    const int height = value.positionalInt(1, "H");
    const auto name = value.optionalPositional(2);
    const ResampleFilter filter = name ? value.lookup<ResampleFilter>(*name, {
                                             {"none", ResampleFilter::None},
                                             {"triangle", ResampleFilter::Triangle},
                                             {"hermite", ResampleFilter::Hermite},
                                             {"bell", ResampleFilter::Bell},
                                             {"bspline", ResampleFilter::BSpline},
                                             {"lanczos3", ResampleFilter::Lanczos3},
                                             {"mitchell", ResampleFilter::Mitchell},
                                             {"nearest", ResampleFilter::Nearest},
                                             {"linear", ResampleFilter::Linear},
                                             {"fastlinear", ResampleFilter::FastLinear},
                                         })
                                       : ResampleFilter::Triangle;
    // Sizes beyond the limit are refused here, not after reading every file.
    const std::int64_t w = std::abs(std::int64_t(width)), h = std::abs(std::int64_t(height));
    if (w > kMaxSide || h > kMaxSide) value.fail("a side may be at most " + std::to_string(kMaxSide) + " pixels");
    if (w * h > kMaxPixels) value.fail(std::to_string(w) + " x " + std::to_string(h) + " is more pixels than allowed");
    return [=](Image image) { return resample(image, width, height, filter); };
}

const OperationRegistration rotateRegistration{
    {"rotate", "90|-90|180        positive turns counter-clockwise", parseRotate}};
const OperationRegistration flipRegistration{{"flip", "horizontal|vertical", parseFlip}};
const OperationRegistration cropRegistration{{"crop", "X,Y,W,H", parseCrop}};
const OperationRegistration resizeRegistration{
    {"resize",
     "W,H[,FILTER]      FILTER: none triangle hermite bell bspline lanczos3\n"
     "                           mitchell nearest linear fastlinear (default triangle);\n"
     "                           0 keeps a side, a negative one counts as its size",
     parseResize}};

}  // namespace
}  // namespace qm::cli
