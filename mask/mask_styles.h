#pragma once
#include <array>
#include <filesystem>
#include <string_view>

namespace qm {

// The mask styles of the Mask page's Style list, in its order, each with its
// folder under the data folder's "mask".
struct MaskStyle {
    const char* caption;  // "Oval"
    const char* folder;   // "oval"
};

inline constexpr std::array<MaskStyle, 3> kMaskStyles{{{"Rectangular", "rect"}, {"Oval", "oval"}, {"Other", "other"}}};

inline std::filesystem::path maskStyleFolder(const std::filesystem::path& dataDir, const MaskStyle& style) {
    return dataDir / "mask" / style.folder;
}

// The style whose folder name or caption is `name` (exact case); null when none is.
inline const MaskStyle* findMaskStyle(std::string_view name) {
    for (const auto& style : kMaskStyles)
        if (name == style.folder || name == style.caption) return &style;
    return nullptr;
}

}  // namespace qm
