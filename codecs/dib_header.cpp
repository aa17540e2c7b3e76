#include "codecs/dib_header.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "codecs/byte_reader.h"
#include "core/error.h"

namespace qm::codecs::dib {

Channel::Channel(std::uint32_t bits) : mask(bits) {
    if (!mask) return;
    shift = std::countr_zero(mask);
    maximum = mask >> shift;
}

namespace {

// Known info header sizes: 12 (OS/2 1.x), 40 and its extensions 52, 56,
// 108 (V4), 124 (V5); OS/2 2.x headers may stop anywhere from 16 to 64.
bool knownHeaderSize(std::uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124 ||
           (size >= 16 && size <= 64);
}

bool isOs2v2(std::uint32_t size) {
    return size != 12 && size != 40 && size != 52 && size != 56 && size >= 16 && size <= 64;
}

std::uint32_t field32(const std::uint8_t* h, int at) {
    return std::uint32_t(h[at]) | (std::uint32_t(h[at + 1]) << 8) | (std::uint32_t(h[at + 2]) << 16) |
           (std::uint32_t(h[at + 3]) << 24);
}
unsigned field16(const std::uint8_t* h, int at) { return unsigned(h[at] | (h[at + 1] << 8)); }

void checkCombination(const Header& h) {
    const int bits = h.bitCount;
    switch (h.compression) {
    case kRgb:
        if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            throw Error("unsupported BMP bit depth " + std::to_string(bits));
        return;
    case kRle8:
        if (bits != 8) throw Error("BMP run-length data (8-bit) with " + std::to_string(bits) + " bits per pixel");
        return;
    case kRle4:
        if (bits != 4) throw Error("BMP run-length data (4-bit) with " + std::to_string(bits) + " bits per pixel");
        return;
    case kBitFields:
    case kAlphaBitFields:
        if (bits != 16 && bits != 32) throw Error("BMP bit fields with " + std::to_string(bits) + " bits per pixel");
        return;
    case kJpeg:
    case kPng:
        return;
    default:
        throw Error("unsupported BMP compression " + std::to_string(h.compression));
    }
}

void setDefaultMasks(Header& h) {
    if (h.bitCount == 16) {
        h.red = Channel(0x7C00), h.green = Channel(0x03E0), h.blue = Channel(0x001F);
    } else if (h.bitCount == 32) {
        h.red = Channel(0xFF0000), h.green = Channel(0xFF00), h.blue = Channel(0xFF);
    }
}

}  // namespace

Header parseHeader(std::span<const std::uint8_t> dib, std::size_t pixelOffset, bool hasPixelOffset, bool icon) {
    ByteReader reader(dib, "BMP header");
    Header h;
    h.size = reader.u32le();
    if (!knownHeaderSize(h.size)) throw Error("unsupported BMP header size " + std::to_string(h.size));
    reader.seek(0);
    // Fields a short OS/2 2.x header leaves out read as zero.
    std::uint8_t raw[124] = {};
    const auto stored = reader.bytes(h.size);
    std::memcpy(raw, stored.data(), std::min<std::size_t>(stored.size(), sizeof raw));

    unsigned planes;
    std::int64_t height;
    if (h.size == 12) {
        h.os2Core = true;
        h.width = field16(raw, 4);
        height = field16(raw, 6);
        planes = field16(raw, 8);
        h.bitCount = int(field16(raw, 10));
    } else {
        h.width = std::int32_t(field32(raw, 4));
        height = std::int32_t(field32(raw, 8));
        planes = field16(raw, 12);
        h.bitCount = int(field16(raw, 14));
        h.compression = field32(raw, 16);
    }
    if (planes != 1) throw Error("BMP header gives " + std::to_string(planes) + " planes instead of 1");
    if (isOs2v2(h.size) && (h.compression == kBitFields || h.compression == kJpeg))
        throw Error("unsupported OS/2 bitmap compression (Huffman or 24-bit run-length)");
    h.topDown = height < 0 && !icon;
    h.height = height < 0 ? -height : height;
    if (icon) h.height /= 2;
    checkSize(h.width, h.height, "BMP");
    checkCombination(h);
    if (h.topDown && (h.compression == kRle8 || h.compression == kRle4))
        throw Error("BMP run-length data cannot be stored top-down");

    std::size_t paletteStart = h.size;
    if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
        if (h.size >= 52) {
            h.red = Channel(field32(raw, 40)), h.green = Channel(field32(raw, 44)), h.blue = Channel(field32(raw, 48));
            if (h.size >= 56) h.alpha = Channel(field32(raw, 52));
        } else {
            // A plain 40-byte header keeps its masks just after it.
            h.red = Channel(reader.u32le()), h.green = Channel(reader.u32le()), h.blue = Channel(reader.u32le());
            if (h.compression == kAlphaBitFields) h.alpha = Channel(reader.u32le());
            paletteStart = reader.position();
        }
        if (!h.red.mask && !h.green.mask && !h.blue.mask) throw Error("BMP bit fields without any colour mask");
    } else {
        setDefaultMasks(h);
    }

    // The palette: as many entries as the header claims, at most as many as
    // the depth can index and as fit before the pixels.
    const bool validOffset = hasPixelOffset && pixelOffset >= paletteStart;
    if (h.bitCount >= 1 && h.bitCount <= 8) {
        const std::size_t entrySize = h.os2Core ? 3 : 4;
        const std::size_t colorsUsed = h.size >= 36 ? field32(raw, 32) : 0;
        const std::size_t depthLimit = std::size_t(1) << h.bitCount;
        std::size_t count = colorsUsed == 0 || colorsUsed > depthLimit ? depthLimit : colorsUsed;
        if (validOffset) count = std::min(count, (pixelOffset - paletteStart) / entrySize);
        reader.seek(paletteStart);
        const auto bytes = reader.bytes(count * entrySize);
        h.palette.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* e = bytes.data() + i * entrySize;
            h.palette[i] = {e[2], e[1], e[0]};
        }
        paletteStart += count * entrySize;
    }
    h.pixelStart = validOffset ? pixelOffset : paletteStart;
    if (h.pixelStart > dib.size()) throw Error("truncated BMP data: the pixels start past the end of the file");
    return h;
}

}  // namespace qm::codecs::dib
