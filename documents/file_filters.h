#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct FileFilter {
    std::string_view description;
    std::string_view patterns;  // "*.tif;*.tiff"
};

// The picture kinds the open and save dialogs offer, in their order.
const std::vector<FileFilter>& openFilters();
const std::vector<FileFilter>& saveFilters();

// Descriptions and patterns alternating, separated by vertical bars.
std::string joinFilters(const std::vector<FileFilter>& filters);

}  // namespace qm
