#pragma once
#include <cstdint>
#include <span>

#include "core/image.h"

namespace qm::codecs {

enum class IconKind : std::uint16_t { Icon = 1, Cursor = 2 };

bool looksLikeIconFile(std::span<const std::uint8_t> head, IconKind kind);
// The largest picture of an icon or cursor file (BMP or PNG entry), with
// its transparency as an alpha plane. Throws qm::Error.
Image decodeIconFile(std::span<const std::uint8_t> data, IconKind kind);

}  // namespace qm::codecs
