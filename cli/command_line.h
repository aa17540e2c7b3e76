#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/operation.h"
#include "codecs/save_options.h"

namespace qm::cli {

// Everything one run of the tool does, as read from its arguments.
struct BatchJob {
    std::vector<Step> steps;                       // in the order given
    std::vector<std::filesystem::path> inputs;
    std::optional<std::filesystem::path> outputFile;  // -o
    std::optional<std::filesystem::path> outputDir;   // -d
    std::string extension;                         // --ext, without the dot
    std::string suffix;                            // --suffix
    int jobs = 1;                                  // -j
    codecs::SaveOptions saveOptions;
    bool showHelp = false;                         // -h / --help: nothing else is read
};

// Reads the arguments (without the program name). Throws UsageError for any
// mistake, before a single file is opened.
BatchJob parseCommandLine(const std::vector<std::string>& arguments, const OperationContext& context);

// The help text, with one entry for every registered operation.
std::string usageText();

// Where each input is written, in input order. Throws UsageError when two
// inputs would land on the same file.
std::vector<std::filesystem::path> outputPaths(const BatchJob& job);

}  // namespace qm::cli
