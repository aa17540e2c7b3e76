#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/image.h"

// The device-independent bitmap that BMP files and the BMP entries of icons
// and cursors share: an info header, an optional palette, then the pixels.
namespace qm::codecs {

struct DibLayout {
    // Offset of the pixels from the start of the info header; empty when
    // they follow the palette directly (icons), or when a file's own offset
    // points back into the header.
    std::optional<std::size_t> pixelOffset;
    // Icon and cursor entries: the header counts the XOR image and the AND
    // mask, so it holds twice the height, and the mask makes pixels clear.
    bool icon = false;
};

// Decodes `dib`, which starts at the info header. The result carries an
// alpha plane when the data has transparency (alpha bit fields, icon masks,
// pixels that run-length data leaves unset). Throws qm::Error.
Image decodeDib(std::span<const std::uint8_t> dib, const DibLayout& layout);

}  // namespace qm::codecs
