#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "codecs/byte_reader.h"
#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

enum ImageType { kColourMapped = 1, kTrueColour = 2, kGrey = 3, kRleFlag = 8 };

constexpr char kFooterSignature[] = "TRUEVISION-XFILE.";

struct TgaHeader {
    int type = 0;  // without the RLE flag
    bool rle = false;
    bool hasMap = false;
    unsigned mapFirst = 0, mapLength = 0, mapEntryBits = 0;
    int depth = 0;
    int alphaBits = 0;
    bool rightToLeft = false, topDown = false;
    std::int64_t width = 0, height = 0;
};

std::uint8_t widen5(unsigned v) { return std::uint8_t((v * 255 + 15) / 31); }

// A stored pixel of `bytes` bytes (little-endian) as colour and alpha.
struct Sample {
    Rgb colour;
    std::uint8_t alpha = 255;
};

Sample directSample(const std::uint8_t* p, int depth, bool hasAlpha) {
    switch (depth) {
    case 15:
    case 16: {
        const unsigned v = unsigned(p[0] | (p[1] << 8));
        return {{widen5((v >> 10) & 31), widen5((v >> 5) & 31), widen5(v & 31)},
                std::uint8_t(hasAlpha && !(v & 0x8000) ? 0 : 255)};
    }
    case 24: return {{p[2], p[1], p[0]}, 255};
    default: return {{p[2], p[1], p[0]}, hasAlpha ? p[3] : std::uint8_t(255)};
    }
}

TgaHeader readHeader(ByteReader& r) {
    TgaHeader h;
    const unsigned idLength = r.u8();
    const unsigned mapType = r.u8();
    const unsigned imageType = r.u8();
    h.hasMap = mapType == 1;
    h.mapFirst = r.u16le();
    h.mapLength = r.u16le();
    h.mapEntryBits = r.u8();
    r.skip(4);  // origin on screen
    h.width = r.u16le();
    h.height = r.u16le();
    h.depth = r.u8();
    const unsigned descriptor = r.u8();
    h.alphaBits = int(descriptor & 15);
    h.rightToLeft = descriptor & 0x10;
    h.topDown = descriptor & 0x20;
    h.type = int(imageType & ~unsigned(kRleFlag));
    h.rle = imageType & kRleFlag;
    if (mapType > 1 || imageType > 11 || (h.type != kColourMapped && h.type != kTrueColour && h.type != kGrey))
        throw Error("not a Targa file or an unsupported kind (type " + std::to_string(imageType) + ")");
    if (h.type == kColourMapped && mapType != 1) throw Error("Targa colour-mapped picture without a colour map");
    const bool depthOk = h.type == kColourMapped ? h.depth == 8 || h.depth == 16
                         : h.type == kGrey       ? h.depth == 8 || h.depth == 16
                                                 : h.depth == 15 || h.depth == 16 || h.depth == 24 || h.depth == 32;
    if (!depthOk) throw Error("unsupported Targa pixel depth " + std::to_string(h.depth));
    checkSize(h.width, h.height, "Targa");
    r.skip(idLength);
    return h;
}

std::vector<Sample> readColourMap(ByteReader& r, unsigned length, unsigned entryBits) {
    if (entryBits != 15 && entryBits != 16 && entryBits != 24 && entryBits != 32)
        throw Error("unsupported Targa colour map entry size " + std::to_string(entryBits));
    const std::size_t entryBytes = (entryBits + 7) / 8;
    const auto bytes = r.bytes(length * entryBytes);
    std::vector<Sample> map(length);
    for (unsigned i = 0; i < length; ++i) map[i] = directSample(bytes.data() + i * entryBytes, int(entryBits), entryBits == 32);
    return map;
}

// The stored pixel values in storage order, run-length packets unpacked;
// packets may run on from one line into the next.
std::vector<std::uint8_t> readPixelBytes(ByteReader& r, const TgaHeader& h, std::size_t pixelBytes) {
    const std::size_t count = std::size_t(h.width * h.height);
    const std::size_t total = count * pixelBytes;
    if (!h.rle) {
        const auto raw = r.bytes(total);
        return {raw.begin(), raw.end()};
    }
    // A packet of 1 + pixelBytes bytes gives at most 128 pixels: refuse a
    // header that claims far more than the file could hold.
    if (r.remaining() / (1 + pixelBytes) * 128 + 128 < count) throw Error("truncated Targa data");
    std::vector<std::uint8_t> out(total);
    for (std::size_t done = 0; done < count;) {
        const unsigned packet = r.u8();
        const std::size_t n = std::min<std::size_t>((packet & 0x7F) + 1, count - done);
        if (packet & 0x80) {
            const auto value = r.bytes(pixelBytes);
            for (std::size_t i = 0; i < n; ++i)
                std::memcpy(out.data() + (done + i) * pixelBytes, value.data(), pixelBytes);
        } else {
            const auto values = r.bytes(((packet & 0x7F) + 1) * pixelBytes);
            std::memcpy(out.data() + done * pixelBytes, values.data(), n * pixelBytes);
        }
        done += n;
    }
    return out;
}

Image decodeTga(std::span<const std::uint8_t> data, const ReadHints&) {
    ByteReader r(data, "Targa data");
    const TgaHeader h = readHeader(r);
    std::vector<Sample> map;
    if (h.hasMap && h.mapLength > 0) {
        // Pictures of other kinds may carry a map too; it is skipped.
        std::vector<Sample> entries = readColourMap(r, h.mapLength, h.mapEntryBits);
        if (h.type == kColourMapped) map = std::move(entries);
    }
    const std::size_t pixelBytes = std::size_t(h.depth + 7) / 8;
    const std::vector<std::uint8_t> stored = readPixelBytes(r, h, pixelBytes);

    const bool hasAlpha = (h.type == kTrueColour && h.alphaBits > 0 && (h.depth == 16 || h.depth == 32)) ||
                          (h.type == kGrey && h.depth == 16) ||
                          (h.type == kColourMapped && !map.empty() &&
                           std::any_of(map.begin(), map.end(), [](const Sample& s) { return s.alpha != 255; }));
    Image image(int(h.width), int(h.height));
    if (hasAlpha) image.ensureAlpha();
    bool anyVisible = false;
    const std::uint8_t* p = stored.data();
    for (std::int64_t row = 0; row < h.height; ++row) {
        const int y = int(h.topDown ? row : h.height - 1 - row);
        for (std::int64_t column = 0; column < h.width; ++column, p += pixelBytes) {
            const int x = int(h.rightToLeft ? h.width - 1 - column : column);
            Sample s;
            if (h.type == kColourMapped) {
                const unsigned value = pixelBytes == 1 ? p[0] : unsigned(p[0] | (p[1] << 8));
                if (value < h.mapFirst || value - h.mapFirst >= map.size())
                    throw Error("Targa pixel uses colour map index " + std::to_string(value) + " outside the map");
                s = map[value - h.mapFirst];
            } else if (h.type == kGrey) {
                s = {{p[0], p[0], p[0]}, pixelBytes == 2 ? p[1] : std::uint8_t(255)};
            } else {
                s = directSample(p, h.depth, hasAlpha);
            }
            image.at(x, y) = s.colour;
            if (hasAlpha) image.alphaRow(y)[x] = s.alpha;
            anyVisible |= s.alpha != 0;
        }
    }
    // An alpha channel that is zero everywhere was left unfilled by the
    // writer; honouring it would make the whole picture vanish.
    if (hasAlpha && !anyVisible) image.dropAlpha();
    return image;
}

void appendPixel(std::vector<std::uint8_t>& out, const Image& image, int x, int y, bool alpha) {
    const Rgb c = image.row(y)[x];
    out.insert(out.end(), {c.b, c.g, c.r});
    if (alpha) out.push_back(image.alphaRow(y)[x]);
}

bool samePixel(const Image& image, int y, int a, int b, bool alpha) {
    return image.row(y)[a] == image.row(y)[b] && (!alpha || image.alphaRow(y)[a] == image.alphaRow(y)[b]);
}

// One line in packets that never cross into the next line: runs of at
// least two equal pixels, and literal stretches between them.
void appendRleLine(std::vector<std::uint8_t>& out, const Image& image, int y, bool alpha) {
    const int width = image.width();
    for (int x = 0; x < width;) {
        int run = 1;
        while (x + run < width && run < 128 && samePixel(image, y, x, x + run, alpha)) ++run;
        if (run >= 2) {
            out.push_back(std::uint8_t(0x80 | (run - 1)));
            appendPixel(out, image, x, y, alpha);
            x += run;
            continue;
        }
        int literal = 1;
        while (x + literal < width && literal < 128 &&
               !(x + literal + 1 < width && samePixel(image, y, x + literal, x + literal + 1, alpha)))
            ++literal;
        out.push_back(std::uint8_t(literal - 1));
        for (int i = 0; i < literal; ++i) appendPixel(out, image, x + i, y, alpha);
        x += literal;
    }
}

// Bottom-up rows, 24-bit (32-bit with its alpha plane), closed by the
// footer that marks a current Targa file.
std::vector<std::uint8_t> encodeTga(const Image& image, const SaveOptions& options) {
    const bool alpha = image.hasAlpha();
    std::vector<std::uint8_t> out(18, 0);
    out[2] = std::uint8_t(kTrueColour | (options.tgaRle ? kRleFlag : 0));
    putU16le(&out[12], unsigned(image.width()));
    putU16le(&out[14], unsigned(image.height()));
    out[16] = alpha ? 32 : 24;
    out[17] = alpha ? 8 : 0;
    out.reserve(18 + std::size_t(image.pixelCount()) * (alpha ? 4 : 3) + 26);
    for (int y = image.height() - 1; y >= 0; --y) {
        if (options.tgaRle) appendRleLine(out, image, y, alpha);
        else for (int x = 0; x < image.width(); ++x) appendPixel(out, image, x, y, alpha);
    }
    out.insert(out.end(), 8, 0);  // no extension area, no developer directory
    out.insert(out.end(), kFooterSignature, kFooterSignature + sizeof kFooterSignature);
    return out;
}

}  // namespace

// Targa files have no magic number at their start, so there is no sniff:
// the registry tries this reader for the Targa extensions only.
Format tgaFormat() {
    Format f;
    f.name = "Targa";
    f.extensions = {"tga", "targa", "vda", "icb", "vst", "pix"};
    f.decode = decodeTga;
    f.encode = encodeTga;
    f.writesAlpha = true;
    return f;
}

}  // namespace qm::codecs
