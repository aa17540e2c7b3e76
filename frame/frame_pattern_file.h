#pragma once
#include <optional>
#include <string>

#include "core/image.h"

namespace qm {

enum class PatternOrigin {
    Collection,  // an entry of the style's strip
    UserFile,    // the path the user typed or picked
};

// A frame pattern read from its file, or why there is none. An empty
// message means the command stops without a word (a collection entry whose
// file has gone since the strip was filled).
struct PatternLoad {
    std::optional<Image> pattern;
    std::string message;
};

// "The file: <path>", a line feed and a carriage return, "does not exist."
std::string missingPatternMessage(const std::string& path);

// Reads the pattern at `path` (UTF-8, exactly as shown to the user). A file
// that is missing is reported for a user file and silent for a collection
// entry; a file that exists but does not decode as a picture is reported
// for both, naming the file, rather than framing with an empty pattern.
PatternLoad loadFramePattern(const std::string& path, PatternOrigin origin);

}  // namespace qm
