#include "codecs/dib.h"

#include <algorithm>

#include "codecs/dib_header.h"
#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

using dib::Header;

std::size_t strideFor(std::int64_t width, int bitCount) {
    return std::size_t((width * bitCount + 31) / 32) * 4;
}

// Stored rows must all be present; only the padding of the last may be cut.
void checkPixelBytes(const Header& h, std::size_t available) {
    const std::size_t stride = strideFor(h.width, h.bitCount);
    const std::size_t lastRow = std::size_t((h.width * h.bitCount + 7) / 8);
    if (available < stride * std::size_t(h.height - 1) + lastRow) throw Error("truncated BMP pixel data");
}

void decodeIndexed(const Header& h, const std::uint8_t* pixels, Image& image) {
    const std::size_t stride = strideFor(h.width, h.bitCount);
    const int bits = h.bitCount;
    const unsigned mask = (1u << bits) - 1;
    const std::size_t paletteSize = h.palette.size();
    for (std::int64_t stored = 0; stored < h.height; ++stored) {
        const std::uint8_t* src = pixels + std::size_t(stored) * stride;
        Rgb* out = image.row(dib::imageRow(h, stored));
        for (int x = 0; x < image.width(); ++x) {
            const std::size_t bit = std::size_t(x) * bits;
            const unsigned index = (src[bit / 8] >> (8 - bits - bit % 8)) & mask;
            if (index >= paletteSize) throw Error("BMP pixel uses palette index " + std::to_string(index) +
                                                  " beyond the " + std::to_string(paletteSize) + " colours");
            out[x] = h.palette[index];
        }
    }
}

void decode24(const Header& h, const std::uint8_t* pixels, Image& image) {
    const std::size_t stride = strideFor(h.width, 24);
    for (std::int64_t stored = 0; stored < h.height; ++stored) {
        const std::uint8_t* src = pixels + std::size_t(stored) * stride;
        Rgb* out = image.row(dib::imageRow(h, stored));
        for (int x = 0; x < image.width(); ++x, src += 3) out[x] = {src[2], src[1], src[0]};
    }
}

// 16- and 32-bit pixels through their bit fields. `storedAlpha` makes the
// top byte of a plain 32-bit pixel count as alpha (icons do that).
void decodePacked(const Header& h, const std::uint8_t* pixels, Image& image, bool storedAlpha) {
    const std::size_t stride = strideFor(h.width, h.bitCount);
    const dib::Channel alpha = storedAlpha && !h.alpha.mask ? dib::Channel(0xFF000000u) : h.alpha;
    if (alpha.mask) image.ensureAlpha();
    bool anyAlpha = false;
    const int bytesPerPixel = h.bitCount / 8;
    for (std::int64_t stored = 0; stored < h.height; ++stored) {
        const std::uint8_t* src = pixels + std::size_t(stored) * stride;
        const int y = dib::imageRow(h, stored);
        Rgb* out = image.row(y);
        for (int x = 0; x < image.width(); ++x, src += bytesPerPixel) {
            const std::uint32_t value = bytesPerPixel == 2 ? std::uint32_t(src[0] | (src[1] << 8))
                                                           : std::uint32_t(src[0]) | (std::uint32_t(src[1]) << 8) |
                                                                 (std::uint32_t(src[2]) << 16) |
                                                                 (std::uint32_t(src[3]) << 24);
            out[x] = {h.red(value), h.green(value), h.blue(value)};
            if (alpha.mask) {
                const std::uint8_t a = alpha(value);
                image.alphaRow(y)[x] = a;
                anyAlpha |= a != 0;
            }
        }
    }
    // An alpha field that is zero everywhere was never filled in by the
    // writer; taking it at its word would make the whole picture vanish.
    if (alpha.mask && !anyAlpha) image.dropAlpha();
}

// The AND mask after an icon's colour pixels: 1 bits are clear.
void applyIconMask(const Header& h, std::span<const std::uint8_t> mask, Image& image) {
    const std::size_t stride = strideFor(h.width, 1);
    if (mask.size() < stride * std::size_t(h.height)) return;  // some writers leave it out
    image.ensureAlpha();
    for (std::int64_t stored = 0; stored < h.height; ++stored) {
        const std::uint8_t* src = mask.data() + std::size_t(stored) * stride;
        std::uint8_t* alpha = image.alphaRow(dib::imageRow(h, stored));
        for (int x = 0; x < image.width(); ++x)
            if ((src[x / 8] >> (7 - x % 8)) & 1) alpha[x] = 0;
    }
}

Image decodeEmbedded(const Header& h, std::span<const std::uint8_t> data) {
    const Format format = h.compression == dib::kPng ? pngFormat() : jpegFormat();
    if (!format.decode) throw Error("BMP holds " + format.name + " data that cannot be read");
    return format.decode(data, {});
}

}  // namespace

Image decodeDib(std::span<const std::uint8_t> data, const DibLayout& layout) {
    const Header h = dib::parseHeader(data, layout.pixelOffset.value_or(0), layout.pixelOffset.has_value(), layout.icon);
    const std::span<const std::uint8_t> pixels = data.subspan(h.pixelStart);
    if (h.compression == dib::kJpeg || h.compression == dib::kPng) return decodeEmbedded(h, pixels);
    if (h.compression == dib::kRle8 || h.compression == dib::kRle4) return dib::decodeRle(h, pixels);

    checkPixelBytes(h, pixels.size());
    Image image(int(h.width), int(h.height));
    const bool iconAlpha = layout.icon && h.bitCount == 32;
    if (h.bitCount <= 8) decodeIndexed(h, pixels.data(), image);
    else if (h.bitCount == 24) decode24(h, pixels.data(), image);
    else decodePacked(h, pixels.data(), image, iconAlpha);

    if (layout.icon && !image.hasAlpha()) {
        const std::size_t colourBytes = strideFor(h.width, h.bitCount) * std::size_t(h.height);
        if (pixels.size() > colourBytes) applyIconMask(h, pixels.subspan(colourBytes), image);
    }
    return image;
}

}  // namespace qm::codecs
