// --shadow: a soft drop shadow, flattened onto a background as the window
// does, or kept transparent for laying the picture on any page.
#include <charconv>
#include <cmath>
#include <optional>

#include "cli/operation.h"
#include "core/compose.h"
#include "core/error.h"
#include "tools/soft_shadow.h"

namespace qm::cli {
namespace {

constexpr Rgb kSilver{192, 192, 192};

double parseRadius(const OptionValue& value, const std::string& text) {
    double radius = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, radius);
    if (error != std::errc() || stop != end || !std::isfinite(radius))
        value.fail("'" + text + "' is not a valid floating point value");
    return radius;
}

Step parseShadow(OptionValue& value, const OperationContext&) {
    const ColorChoice colour = value.colour("color", ColorChoice::automaticColor());
    const std::optional<std::string> backgroundText = value.text("background");
    const bool keepAlpha = backgroundText == "none";
    const Rgb background = backgroundText && !keepAlpha ? value.parseColour(*backgroundText).resolved() : kSilver;
    const ShadowParams params{parseRadius(value, value.positional(0, "RADIUS")), value.positionalInt(1, "DX"),
                              value.positionalInt(2, "DY"), colour.resolved()};
    // A radius or offsets too large for any picture stop the run before a file is read.
    try {
        shadowGrowth(Image(1, 1), params);
    } catch (const Error& error) {
        value.fail(error.what());
    }
    return [=](Image image) {
        addSoftShadow(image, params);
        if (!keepAlpha) removeAlpha(image, background);
        return image;
    };
}

const OperationRegistration registration{
    {"shadow",
     "RADIUS,DX,DY[,color=#RRGGBB|auto][,background=#RRGGBB|none]\n"
     "                           soft drop shadow blurred by RADIUS, moved by DX,DY\n"
     "                           (auto, the default, is black); merged onto silver\n"
     "                           unless background says otherwise; none keeps the\n"
     "                           transparency (write PNG, TIFF or TGA)",
     parseShadow}};

}  // namespace
}  // namespace qm::cli
