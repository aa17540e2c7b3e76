#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/option_value.h"
#include "core/image.h"

namespace qm::cli {

// What an operation's parser may need besides its own option value.
struct OperationContext {
    std::filesystem::path dataDir;  // the data folder (frame and mask styles...)
};

// One parsed operation, ready to run on every input. It is called for
// several files at once from different threads, so it must not change
// shared state. It may return a picture with an alpha plane; the writer then
// refuses formats that cannot store it.
using Step = std::function<Image(Image)>;

// An operation of the batch tool, selected by --NAME VALUE (or --NAME=VALUE).
struct Operation {
    std::string name;   // without the dashes: "frame"
    // The help text after "--name ": the value's form, then what it does;
    // lines after the first are indented by two blanks, so align them with
    // blanks of their own (the first line's description starts at column 29).
    std::string usage;
    // Reads the option's value (call value.finish() when done, or let the
    // tool do it) and returns the step; throws UsageError for a bad value.
    std::function<Step(OptionValue& value, const OperationContext& context)> parse;
};

// Every operation, in the order they registered (the order of the files in
// cli/CMakeLists.txt), which is also the order of the help text.
const std::vector<Operation>& operations();
const Operation* findOperation(std::string_view name);

// A file-scope object of this type adds its operation at start-up:
//   const OperationRegistration registration{{"flip", "horizontal|vertical", parseFlip}};
class OperationRegistration {
public:
    explicit OperationRegistration(Operation operation);
};

}  // namespace qm::cli
