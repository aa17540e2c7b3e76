#pragma once
#include <filesystem>

#include "codecs/save_options.h"
#include "core/image.h"

namespace qm {

enum class KeepBackup { No, IfNoneExists };

// Writes `image` to `target` with the writer its extension selects. The new
// file is written completely under a temporary name beside the target first;
// only then is the previous file renamed to its backup name (when asked and
// no backup exists yet; an existing backup is never replaced) and the new
// file moved into place. On any failure the previous file stays where and
// as it was, and qm::Error says what went wrong, naming the target.
void saveImageFile(const Image& image, const std::filesystem::path& target, const codecs::SaveOptions& options,
                   KeepBackup backup);

// Throws qm::Error naming `target` when no writer serves its extension.
void requireWriter(const std::filesystem::path& target);

// Renames `from` to `to` unless something named `to` exists. Returns false
// when it exists; throws qm::Error on any other failure.
bool renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace qm
