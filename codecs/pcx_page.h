#pragma once
#include <cstdint>
#include <span>

#include "core/image.h"

namespace qm::codecs {

// One PCX picture (a .pcx file, or a page of a .dcx file). Throws qm::Error.
Image decodePcxPage(std::span<const std::uint8_t> data);
bool looksLikePcx(std::span<const std::uint8_t> head);

}  // namespace qm::codecs
