#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

namespace qm {

// True when the extension of `path` is one a collection folder offers:
// ".bmp", ".jpg", ".png" or ".gif", compared without case. ".jpeg", ".tif"
// and the rest are left out on purpose: the folders are read by this rule.
bool isCollectionPicture(const std::filesystem::path& path);

// Orders names as people read them: case-insensitive, with runs of digits
// compared by value, so "frame2" comes before "frame10".
bool naturalLess(std::string_view a, std::string_view b);

// The pictures of one collection folder (frame patterns of a style, masks,
// textures): regular files directly in `folder` whose extension passes
// isCollectionPicture, skipping names that start with "." (hidden), sorted
// with naturalLess so that every run and every file system shows the same
// order. A missing or unreadable folder gives an empty list.
std::vector<std::filesystem::path> listCollection(const std::filesystem::path& folder);

}  // namespace qm
