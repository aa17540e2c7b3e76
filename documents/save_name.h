#pragma once
#include <filesystem>
#include <string>

namespace qm {

// The name Save as proposes for a document: the file name without its
// folder, and without a three-letter extension ("beach.jpg" -> "beach";
// "beach.jpeg" stays). Counted in characters, not bytes.
std::string reducedSaveName(const std::string& documentName);

// Where Save keeps the previous file: the same path with ".bak" as extension.
std::filesystem::path backupPath(const std::filesystem::path& file);

}  // namespace qm
