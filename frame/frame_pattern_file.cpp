#include "frame/frame_pattern_file.h"

#include <exception>
#include <filesystem>

#include "codecs/registry.h"

namespace qm {

namespace {

constexpr const char* kLineBreak = "\n\r";

// The codecs prefix their reasons with the file name, which the message
// already gives on its first line.
std::string reasonWithoutPath(const std::string& reason, const std::string& path) {
    const std::string prefix = path + ": ";
    return reason.rfind(prefix, 0) == 0 ? reason.substr(prefix.size()) : reason;
}

}  // namespace

std::string missingPatternMessage(const std::string& path) {
    return "The file: " + path + kLineBreak + "does not exist.";
}

PatternLoad loadFramePattern(const std::string& path, PatternOrigin origin) {
    const std::filesystem::path file(path);
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(file, ec)) {
        if (origin == PatternOrigin::Collection) return {};
        return {std::nullopt, missingPatternMessage(path)};
    }
    std::string reason;
    try {
        Image pattern = codecs::readImage(file);
        if (!pattern.empty()) return {std::move(pattern), {}};
        reason = "the picture is empty";
    } catch (const std::exception& e) {
        reason = reasonWithoutPath(e.what(), file.string());
    }
    return {std::nullopt, "The file: " + path + kLineBreak + "could not be read as a picture (" + reason + ")."};
}

}  // namespace qm
