#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/data_location.h"
#include "cli/batch.h"
#include "cli/command_line.h"

namespace {

std::filesystem::path executableDir(const char* argv0) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace qm::cli;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const OperationContext context{qm::findDataDir(executableDir(argv[0]))};
    BatchJob job;
    try {
        job = parseCommandLine(arguments, context);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "quillmount-batch: %s\n%s", error.what(), usageText().c_str());
        return 2;
    }
    if (job.showHelp) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    return runBatch(job, stderr, isatty(STDERR_FILENO) != 0);
}
