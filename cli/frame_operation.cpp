// --frame and --frame-style: a picture frame from one pattern file, or from
// a pattern of a style folder of the data folder.
#include <memory>
#include <string>

#include "cli/operation.h"
#include "core/collection.h"
#include "core/error.h"
#include "frame/frame_builder.h"
#include "frame/frame_pattern_file.h"
#include "frame/frame_styles.h"

namespace qm::cli {
namespace {

// The options both operations share; the pattern is read once, here, so a
// missing or broken pattern stops the run before any picture is touched.
Step frameStep(OptionValue& value, const std::string& patternPath) {
    FrameOptions options;
    options.rotate180 = value.flag("rotate180");
    options.position = value.choice<FramePosition>(
        "position", {{"inside", FramePosition::Inside}, {"outside", FramePosition::Outside}}, FramePosition::Inside);
    if (value.has("width")) options.customThickness = std::to_string(value.integer("width", 0, -kMaxSide, kMaxSide));

    PatternLoad load = loadFramePattern(patternPath, PatternOrigin::UserFile);
    if (!load.pattern) {
        // The window's two-line message reads as one line on a terminal.
        std::string oneLine;
        for (std::size_t i = 0; i < load.message.size(); ++i) {
            if (load.message.compare(i, 2, "\n\r") == 0) {
                oneLine += ' ';
                ++i;
            } else {
                oneLine += load.message[i];
            }
        }
        value.fail(oneLine);
    }
    auto pattern = std::make_shared<const Image>(std::move(*load.pattern));
    try {
        preparePattern(*pattern, options);  // a thickness too large shows now, not once per file
    } catch (const Error& error) {
        value.fail(error.what());
    }
    return [pattern, options](Image image) { return buildFrame(image, *pattern, options); };
}

Step parseFrame(OptionValue& value, const OperationContext&) {
    const std::string path = value.positional(0, "the pattern file");
    return frameStep(value, path);
}

Step parseFrameStyle(OptionValue& value, const OperationContext& context) {
    const std::string name = value.positional(0, "the style");
    const auto style = findFrameStyle(name);
    if (!style) {
        std::string known;
        for (const auto& s : kFrameStyles) known += std::string(known.empty() ? "" : ", ") + s.folder;
        value.fail("no frame style '" + name + "' (" + known + ")");
    }
    const auto folder = frameStyleFolder(context.dataDir, *style);
    const auto patterns = listCollection(folder);
    if (patterns.empty()) value.fail("the style folder " + folder.string() + " holds no patterns");
    const int index = value.integer("index", 0, 0, kMaxSide);
    if (index >= int(patterns.size()))
        value.fail("index " + std::to_string(index) + ": the style '" + style->folder + "' has " +
                   std::to_string(patterns.size()) + " patterns, counted from 0");
    return frameStep(value, patterns[std::size_t(index)].string());
}

const OperationRegistration frameRegistration{
    {"frame",
     "PATTERN[,position=inside|outside][,width=N][,rotate180]\n"
     "                           frame tiled from the pattern file (top row outer edge);\n"
     "                           width: thickness to scale the pattern to (0 keeps it)",
     parseFrame}};
const OperationRegistration frameStyleRegistration{
    {"frame-style",
     "STYLE[,index=K][,position=...][,width=N][,rotate180]\n"
     "                           frame with pattern K (from 0, by name) of data/frame/STYLE:\n"
     "                           simple1 simple2 wood gold modern1 modern2 prof other1 other2 user",
     parseFrameStyle}};

}  // namespace
}  // namespace qm::cli
