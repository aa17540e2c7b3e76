#include "cli/command_line.h"

#include <set>
#include <thread>

namespace qm::cli {
namespace {

int defaultJobs() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : int(cores);
}

int parseCount(const std::string& option, const std::string& text, int minimum, int maximum) {
    return OptionValue(option, text).parseInt(text, minimum, maximum);
}

}  // namespace

std::string usageText() {
    std::string text =
        "usage: quillmount-batch [OPTIONS] [OPERATION]... INPUT...\n"
        "  -o FILE      write the single INPUT to FILE (format from its extension)\n"
        "  -d DIR       write each INPUT into DIR under its own name;\n"
        "               --ext EXT changes the extension, --suffix S goes before it\n"
        "  -j N         files processed side by side (default: the number of cores)\n"
        "  --quality N  JPEG quality (1-100)\n"
        "  -h, --help   show this text\n"
        "Operations, applied in the order given:\n";
    // Continuation lines of an entry are printed as given, after the indent.
    for (const Operation& operation : operations()) {
        std::string entry = "--" + operation.name + " " + operation.usage;
        for (std::size_t at = entry.find('\n'); at != std::string::npos; at = entry.find('\n', at + 1))
            entry.insert(at + 1, "  ");
        text += "  " + entry + "\n";
    }
    return text;
}

BatchJob parseCommandLine(const std::vector<std::string>& arguments, const OperationContext& context) {
    BatchJob job;
    job.jobs = defaultJobs();
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            job.inputs.emplace_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            job.showHelp = true;
            return job;
        }
        std::optional<std::string> inlineValue;
        if (argument.starts_with("--")) {
            if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
                inlineValue = argument.substr(equals + 1);
                argument.resize(equals);
            }
        }
        const auto value = [&]() -> std::string {
            if (inlineValue) return *inlineValue;
            if (i + 1 >= arguments.size()) throw UsageError(argument + ": a value is needed");
            return arguments[++i];
        };
        if (argument == "-o") {
            job.outputFile = value();
        } else if (argument == "-d") {
            job.outputDir = value();
        } else if (argument == "--ext") {
            job.extension = value();
            if (job.extension.starts_with('.')) job.extension.erase(0, 1);
            if (job.extension.empty() || job.extension.find('/') != std::string::npos)
                throw UsageError("--ext: '" + job.extension + "' is not an extension");
        } else if (argument == "--suffix") {
            job.suffix = value();
            if (job.suffix.find('/') != std::string::npos)
                throw UsageError("--suffix: '" + job.suffix + "' may not contain '/'");
        } else if (argument == "-j") {
            job.jobs = parseCount("-j", value(), 1, 1024);
        } else if (argument == "--quality") {
            job.saveOptions.jpegQuality = parseCount("--quality", value(), 1, 100);
        } else if (const Operation* operation = argument.starts_with("--") ? findOperation(argument.substr(2)) : nullptr) {
            OptionValue optionValue(argument, value());
            job.steps.push_back(operation->parse(optionValue, context));
            optionValue.finish();
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    if (job.inputs.empty()) throw UsageError("no input files");
    if (job.outputFile && job.outputDir) throw UsageError("-o and -d cannot be used together");
    if (!job.outputFile && !job.outputDir) throw UsageError("say where to write: -o FILE or -d DIR");
    if (job.outputFile && job.inputs.size() > 1) throw UsageError("-o takes a single input; use -d for several");
    if (job.outputFile && (!job.extension.empty() || !job.suffix.empty()))
        throw UsageError("--ext and --suffix go with -d");
    outputPaths(job);  // reports colliding names now rather than after the work
    return job;
}

std::vector<std::filesystem::path> outputPaths(const BatchJob& job) {
    std::vector<std::filesystem::path> paths;
    if (job.outputFile) {
        paths.push_back(*job.outputFile);
        return paths;
    }
    std::set<std::filesystem::path> seen;
    for (const std::filesystem::path& input : job.inputs) {
        const std::string extension = job.extension.empty() ? input.extension().string() : "." + job.extension;
        std::filesystem::path output = *job.outputDir / (input.stem().string() + job.suffix + extension);
        if (!seen.insert(output.lexically_normal()).second)
            throw UsageError("two inputs would both be written to " + output.string());
        paths.push_back(std::move(output));
    }
    return paths;
}

}  // namespace qm::cli
