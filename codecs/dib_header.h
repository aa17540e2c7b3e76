#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/image.h"

// The parsed info header of a device-independent bitmap; shared by the
// pixel decoders of dib.cpp and dib_rle.cpp.
namespace qm::codecs::dib {

enum Compression : std::uint32_t {
    kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5, kAlphaBitFields = 6
};

// One colour component inside a packed 16- or 32-bit pixel.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t maximum = 0;  // mask >> shift

    explicit Channel(std::uint32_t bits = 0);
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (!mask) return 0;
        const std::uint32_t value = (pixel & mask) >> shift;
        if (maximum == 255) return std::uint8_t(value);
        return std::uint8_t((std::uint64_t(value) * 255 + maximum / 2) / maximum);
    }
};

struct Header {
    std::uint32_t size = 0;
    std::int64_t width = 0, height = 0;  // height as it will be decoded (icons: halved)
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    bool os2Core = false;                // 12-byte header: 3-byte palette entries
    Channel red, green, blue, alpha;
    std::vector<Rgb> palette;
    std::size_t pixelStart = 0;          // from the start of the header
};

// Reads header, bit fields and palette; checks the size before anything
// is allocated. Throws qm::Error for an unsupported or damaged header.
Header parseHeader(std::span<const std::uint8_t> dib, std::size_t pixelOffset, bool hasPixelOffset, bool icon);

// Row `stored` of the file (bottom-up unless the header says otherwise).
inline int imageRow(const Header& header, std::int64_t stored) {
    return int(header.topDown ? stored : header.height - 1 - stored);
}

// Decodes run-length encoded pixels; positions the data never reaches stay
// transparent.
Image decodeRle(const Header& header, std::span<const std::uint8_t> pixels);

}  // namespace qm::codecs::dib
