#pragma once
#include <filesystem>

namespace qm {

// The data folder: `data/` beside the executable first (a build tree or an
// unpacked copy), then the installed share/quillmount/data. Returns the
// first that exists, or the one beside the executable when neither does.
std::filesystem::path findDataDir(const std::filesystem::path& executableDir);

}  // namespace qm
