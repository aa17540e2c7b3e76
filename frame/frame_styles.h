#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

namespace qm {

// The frame styles the Style list offers, in its order, each with its
// folder under the data folder's "frame".
struct FrameStyle {
    const char* caption;  // "Wood"
    const char* folder;   // "wood"
};

inline constexpr std::array<FrameStyle, 10> kFrameStyles{{
    {"Simple 1", "simple1"},
    {"Simple 2", "simple2"},
    {"Wood", "wood"},
    {"Gold", "gold"},
    {"Modern 1", "modern1"},
    {"Modern 2", "modern2"},
    {"Professional", "prof"},
    {"Other 1", "other1"},
    {"Other 2", "other2"},
    {"User defined", "user"},
}};

inline constexpr int kStartFrameStyle = 2;  // "Wood"

inline std::filesystem::path frameStyleFolder(const std::filesystem::path& dataDir, const FrameStyle& style) {
    return dataDir / "frame" / style.folder;
}

// The style whose folder name or caption is `name` (exact case).
inline std::optional<FrameStyle> findFrameStyle(std::string_view name) {
    for (const auto& style : kFrameStyles)
        if (name == style.folder || name == style.caption) return style;
    return std::nullopt;
}

}  // namespace qm
