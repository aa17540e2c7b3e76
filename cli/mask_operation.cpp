// --mask and --mask-style: a background laid over the picture through a grey
// mask scaled to it.
#include <map>
#include <memory>
#include <string>

#include "cli/operation.h"
#include "codecs/registry.h"
#include "core/collection.h"
#include "core/error.h"
#include "mask/mask_builder.h"
#include "mask/mask_styles.h"

namespace qm::cli {
namespace {

namespace fs = std::filesystem;

using Pictures = std::map<fs::path, Image>;

// The build's messages break their line for a message box; here they stand
// on one line after the file name.
std::string oneLine(std::string_view message) {
    std::string line;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message.substr(i, 2) == "\n\r") {
            line += ' ';
            ++i;
        } else {
            line += message[i];
        }
    }
    return line;
}

// Every file is read once, here, so a missing or broken one stops the run
// before any picture is touched.
void readInto(Pictures& pictures, OptionValue& value, const fs::path& path, const std::string& what) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) value.fail("the " + what + " file " + path.string() + " does not exist");
    try {
        pictures[path] = codecs::readImage(path);
    } catch (const Error& error) {
        value.fail(error.what());
    }
}

// BG: color:#RRGGBB | color:auto | gradient:vertical|horizontal:START:END |
// texture:FILE | file:FILE.
void readBackground(OptionValue& value, MaskOptions& options, Pictures& pictures) {
    const auto text = value.text("background");
    if (!text) return;  // the gradient the page starts with
    const auto colon = text->find(':');
    const std::string kind = text->substr(0, colon);
    const std::string rest = colon == std::string::npos ? "" : text->substr(colon + 1);
    if (kind == "color") {
        options.background = MaskBackground::Color;
        options.backColor = value.parseColour(rest);
    } else if (kind == "gradient") {
        const auto first = rest.find(':'), second = rest.find(':', first == std::string::npos ? first : first + 1);
        if (second == std::string::npos || rest.find(':', second + 1) != std::string::npos)
            value.fail("'" + *text + "': a gradient is gradient:vertical|horizontal:START:END");
        options.background = MaskBackground::Gradient;
        options.gradient = value.lookup<GradientDirection>(
            rest.substr(0, first), {{"vertical", GradientDirection::Vertical}, {"horizontal", GradientDirection::Horizontal}});
        options.startColor = value.parseColour(rest.substr(first + 1, second - first - 1));
        options.endColor = value.parseColour(rest.substr(second + 1));
    } else if (kind == "texture" || kind == "file") {
        if (rest.empty()) value.fail("'" + *text + "': the background needs a file after '" + kind + ":'");
        readInto(pictures, value, rest, kind == "texture" ? "texture" : "background");
        options.background = kind == "texture" ? MaskBackground::Texture : MaskBackground::File;
        options.texture = fs::path(rest);
        options.backgroundFile = rest;
    } else {
        value.fail("'" + *text + "' is not a background (color:, gradient:, texture: or file:)");
    }
}

Step maskStep(OptionValue& value, const fs::path& maskFile, bool invert) {
    MaskOptions options;
    options.invertMask = invert;
    options.opacity = value.integer("opacity", 100, 0, 100);
    auto pictures = std::make_shared<Pictures>();
    readInto(*pictures, value, maskFile, "mask");
    readBackground(value, options, *pictures);
    const std::shared_ptr<const Pictures> read = pictures;
    return [read, maskFile, options](Image image) {
        MaskResult result = buildMask(image, maskFile, options, [read](const fs::path& path) {
            const auto found = read->find(path);
            if (found == read->end()) throw Error(path.string() + ": not read");
            return found->second;
        });
        if (!result.messages.empty() || !result.picture) {
            throw Error(result.messages.empty() ? "the mask file " + maskFile.string() + " has gone"
                                                : oneLine(result.messages.front()));
        }
        return std::move(*result.picture);
    };
}

Step parseMask(OptionValue& value, const OperationContext&) {
    const bool invert = value.flag("invert");
    return maskStep(value, value.positional(0, "the mask file"), invert);
}

Step parseMaskStyle(OptionValue& value, const OperationContext& context) {
    const bool invert = value.flag("invert");
    const std::string name = value.positional(0, "the style");
    const MaskStyle* style = findMaskStyle(name);
    if (!style) value.fail("no mask style '" + name + "' (rect, oval, other)");
    const auto folder = maskStyleFolder(context.dataDir, *style);
    const auto masks = listCollection(folder);
    if (masks.empty()) value.fail("the style folder " + folder.string() + " holds no masks");
    const int index = value.integer("index", 0, 0, kMaxSide);
    if (index >= int(masks.size()))
        value.fail("index " + std::to_string(index) + ": the style '" + style->folder + "' has " +
                   std::to_string(masks.size()) + " masks, counted from 0");
    return maskStep(value, masks[std::size_t(index)], invert);
}

const OperationRegistration maskRegistration{
    {"mask",
     "MASK[,background=BG][,opacity=N][,invert]\n"
     "                           background BG through the grey mask file (white shows\n"
     "                           the picture; invert swaps), opacity 0-100 (100); BG is\n"
     "                           color:#RRGGBB|auto, gradient:vertical|horizontal:START:END,\n"
     "                           texture:FILE or file:FILE (gradient:vertical:#FFFFFF:auto)",
     parseMask}};
const OperationRegistration maskStyleRegistration{
    {"mask-style",
     "STYLE[,index=K][,background=BG][,opacity=N][,invert]\n"
     "                           mask K (from 0, by name) of data/mask/STYLE: rect oval other",
     parseMaskStyle}};

}  // namespace
}  // namespace qm::cli
