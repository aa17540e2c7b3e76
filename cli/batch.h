#pragma once
#include <cstdio>
#include <filesystem>

#include "cli/command_line.h"

namespace qm::cli {

// Runs the steps of `job` on one picture and writes it to `output`. Throws
// qm::Error with a message that names the file concerned.
void processFile(const BatchJob& job, const std::filesystem::path& input, const std::filesystem::path& output);

// Processes every input of `job`, job.jobs files at a time. A failed file
// is reported on `errors` as "<file>: <reason>" and the others go on.
// Returns the exit status: 0 when all succeeded, 1 when any failed.
int runBatch(const BatchJob& job, std::FILE* errors, bool progressBar);

}  // namespace qm::cli
