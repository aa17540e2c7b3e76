#include <string>

#include "codecs/byte_reader.h"
#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

// A multi-byte integer: 7 bits a byte, the high bit set on all but the last.
std::uint32_t readMultiByte(ByteReader& r) {
    std::uint32_t value = 0;
    for (int i = 0; i < 5; ++i) {
        const std::uint8_t b = r.u8();
        value = (value << 7) | (b & 0x7F);
        if (!(b & 0x80)) return value;
    }
    throw Error("bad WBMP size field");
}

// Type 0: one bit a pixel, rows padded to whole bytes, 1 is white.
Image decodeWbmp(std::span<const std::uint8_t> data, const ReadHints&) {
    ByteReader r(data, "WBMP data");
    const std::uint32_t type = readMultiByte(r);
    if (type != 0) throw Error("unsupported WBMP type " + std::to_string(type));
    if (r.u8() & 0x80) throw Error("unsupported WBMP header extension");
    const std::uint32_t width = readMultiByte(r);
    const std::uint32_t height = readMultiByte(r);
    checkSize(width, height, "WBMP");
    const std::size_t rowBytes = (std::size_t(width) + 7) / 8;
    if (r.remaining() / rowBytes < height) throw Error("truncated WBMP data");
    Image image{int(width), int(height)};
    for (int y = 0; y < image.height(); ++y) {
        const auto row = r.bytes(rowBytes);
        Rgb* out = image.row(y);
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t v = (row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
            out[x] = {v, v, v};
        }
    }
    return image;
}

}  // namespace

// Wireless bitmaps start with two zero bytes at most, too weak to claim a
// file by its content: the extension alone selects this reader.
Format wbmpFormat() {
    Format f;
    f.name = "Wireless bitmap";
    f.extensions = {"wbmp"};
    f.decode = decodeWbmp;
    return f;
}

}  // namespace qm::codecs
