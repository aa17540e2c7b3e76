#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "codecs/byte_reader.h"
#include "codecs/formats.h"
#include "codecs/pcx_page.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

constexpr std::size_t kHeaderSize = 128;
constexpr std::size_t kLongestRun = 63;

struct PcxHeader {
    bool compressed = true;
    int bitsPerPixel = 0, planes = 0;
    std::int64_t width = 0, height = 0;
    std::size_t bytesPerLine = 0;
    std::array<Rgb, 16> headerPalette{};
};

PcxHeader readHeader(std::span<const std::uint8_t> data) {
    ByteReader r(data, "PCX header");
    if (r.u8() != 0x0A) throw Error("not a PCX file");
    r.u8();  // version
    PcxHeader h;
    const unsigned encoding = r.u8();
    if (encoding > 1) throw Error("unsupported PCX encoding " + std::to_string(encoding));
    h.compressed = encoding == 1;
    h.bitsPerPixel = r.u8();
    const int xMin = r.u16le(), yMin = r.u16le(), xMax = r.u16le(), yMax = r.u16le();
    r.skip(4);  // resolution
    for (Rgb& c : h.headerPalette) {
        const auto e = r.bytes(3);
        c = {e[0], e[1], e[2]};
    }
    r.u8();
    h.planes = r.u8();
    h.bytesPerLine = r.u16le();
    r.seek(kHeaderSize);

    h.width = std::int64_t(xMax) - xMin + 1;
    h.height = std::int64_t(yMax) - yMin + 1;
    checkSize(h.width, h.height, "PCX");
    const int bits = h.bitsPerPixel, planes = h.planes;
    const bool planar1 = bits == 1 && planes >= 1 && planes <= 4;
    const bool packed = (bits == 2 || bits == 4 || bits == 8) && planes == 1;
    const bool rgb = bits == 8 && (planes == 3 || planes == 4);
    if (!planar1 && !packed && !rgb)
        throw Error("unsupported PCX layout: " + std::to_string(bits) + " bits in " + std::to_string(planes) + " planes");
    if (h.bytesPerLine < std::size_t((h.width * bits + 7) / 8))
        throw Error("PCX line length " + std::to_string(h.bytesPerLine) + " is too short for the width");
    return h;
}

// Fills one scan line (all planes) at a time; a run may carry over from one
// line into the next, as some writers let it.
class RleLines {
public:
    RleLines(std::span<const std::uint8_t> data, bool compressed) : reader_(data, "PCX data"), compressed_(compressed) {}

    void next(std::vector<std::uint8_t>& line) {
        if (!compressed_) {
            const auto bytes = reader_.bytes(line.size());
            std::copy(bytes.begin(), bytes.end(), line.begin());
            return;
        }
        for (std::size_t i = 0; i < line.size();) {
            if (pending_ == 0) {
                const std::uint8_t b = reader_.u8();
                if ((b & 0xC0) == 0xC0) {
                    pending_ = b & 0x3F;
                    value_ = reader_.u8();
                } else {
                    pending_ = 1;
                    value_ = b;
                }
            }
            const std::size_t n = std::min<std::size_t>(pending_, line.size() - i);
            std::fill_n(line.begin() + std::ptrdiff_t(i), n, value_);
            i += n;
            pending_ -= unsigned(n);
        }
    }

private:
    ByteReader reader_;
    bool compressed_;
    unsigned pending_ = 0;
    std::uint8_t value_ = 0;
};

// The 256-colour palette that follows the pixels of 8-bit files; files
// without one are grey.
std::array<Rgb, 256> trailingPalette(std::span<const std::uint8_t> data) {
    std::array<Rgb, 256> palette;
    const std::size_t size = data.size();
    if (size >= kHeaderSize + 769 && data[size - 769] == 0x0C) {
        const std::uint8_t* p = data.data() + size - 768;
        for (int i = 0; i < 256; ++i) palette[i] = {p[3 * i], p[3 * i + 1], p[3 * i + 2]};
    } else {
        for (int i = 0; i < 256; ++i) palette[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
    }
    return palette;
}

void convertLine(const PcxHeader& h, const std::vector<std::uint8_t>& line, const std::array<Rgb, 256>& palette,
                 Rgb* out, std::uint8_t* alpha) {
    const int width = int(h.width);
    const std::size_t bpl = h.bytesPerLine;
    if (h.bitsPerPixel == 8 && h.planes >= 3) {
        for (int x = 0; x < width; ++x) {
            out[x] = {line[x], line[bpl + x], line[2 * bpl + x]};
            if (alpha) alpha[x] = line[3 * bpl + x];
        }
    } else if (h.bitsPerPixel == 8) {
        for (int x = 0; x < width; ++x) out[x] = palette[line[x]];
    } else if (h.bitsPerPixel == 1 && h.planes == 1) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t v = (line[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0;
            out[x] = {v, v, v};
        }
    } else if (h.bitsPerPixel == 1) {
        for (int x = 0; x < width; ++x) {
            unsigned index = 0;
            for (int p = 0; p < h.planes; ++p) index |= ((line[std::size_t(p) * bpl + x / 8] >> (7 - x % 8)) & 1u) << p;
            out[x] = h.headerPalette[index];
        }
    } else {
        const int bits = h.bitsPerPixel;
        const unsigned mask = (1u << bits) - 1;
        for (int x = 0; x < width; ++x) {
            const std::size_t bit = std::size_t(x) * bits;
            out[x] = h.headerPalette[(line[bit / 8] >> (8 - bits - bit % 8)) & mask];
        }
    }
}

bool sniffPcx(std::span<const std::uint8_t> head) { return looksLikePcx(head); }

Image decodePcx(std::span<const std::uint8_t> data, const ReadHints&) { return decodePcxPage(data); }

void appendRle(std::vector<std::uint8_t>& out, const std::uint8_t* line, std::size_t count) {
    for (std::size_t i = 0; i < count;) {
        std::size_t run = 1;
        while (i + run < count && run < kLongestRun && line[i + run] == line[i]) ++run;
        if (run > 1 || (line[i] & 0xC0) == 0xC0) out.push_back(std::uint8_t(0xC0 | run));
        out.push_back(line[i]);
        i += run;
    }
}

// Version 5, 8 bits in three planes (red, green, blue), run-length encoded.
std::vector<std::uint8_t> encodePcx(const Image& image, const SaveOptions&) {
    const std::size_t width = std::size_t(image.width());
    // Lines of an even length, as readers expect, unless that would not fit.
    const std::size_t bytesPerLine = width % 2 && width < 0xFFFF ? width + 1 : width;
    std::vector<std::uint8_t> out(kHeaderSize, 0);
    out[0] = 0x0A, out[1] = 5, out[2] = 1, out[3] = 8;
    putU16le(&out[8], unsigned(image.width() - 1));
    putU16le(&out[10], unsigned(image.height() - 1));
    putU16le(&out[12], 72);
    putU16le(&out[14], 72);
    out[65] = 3;
    putU16le(&out[66], unsigned(bytesPerLine));
    putU16le(&out[68], 1);  // colour
    out.reserve(kHeaderSize + std::size_t(image.pixelCount()) * 3);
    std::vector<std::uint8_t> plane(bytesPerLine, 0);
    for (int y = 0; y < image.height(); ++y) {
        const Rgb* row = image.row(y);
        for (int channel = 0; channel < 3; ++channel) {
            for (std::size_t x = 0; x < width; ++x)
                plane[x] = channel == 0 ? row[x].r : channel == 1 ? row[x].g : row[x].b;
            appendRle(out, plane.data(), plane.size());
        }
    }
    return out;
}

}  // namespace

bool looksLikePcx(std::span<const std::uint8_t> head) {
    if (head.size() < 4 || head[0] != 0x0A) return false;
    const unsigned version = head[1], encoding = head[2], bits = head[3];
    return version <= 5 && version != 1 && encoding <= 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8);
}

Image decodePcxPage(std::span<const std::uint8_t> data) {
    const PcxHeader h = readHeader(data);
    const std::size_t lineSize = h.bytesPerLine * std::size_t(h.planes);
    // Every two bytes of run-length data give at most 63 bytes of pixels, so
    // a header that claims more than the file could hold is refused before
    // the picture is allocated.
    const std::size_t available = data.size() - kHeaderSize;
    const std::size_t needed = lineSize * std::size_t(h.height);
    if ((h.compressed ? available * (kLongestRun / 2 + 1) : available) < needed) throw Error("truncated PCX data");

    Image image(int(h.width), int(h.height));
    const bool withAlpha = h.bitsPerPixel == 8 && h.planes == 4;
    if (withAlpha) image.ensureAlpha();
    const std::array<Rgb, 256> palette =
        h.bitsPerPixel == 8 && h.planes == 1 ? trailingPalette(data) : std::array<Rgb, 256>{};
    RleLines lines(data.subspan(kHeaderSize), h.compressed);
    std::vector<std::uint8_t> line(lineSize);
    for (int y = 0; y < image.height(); ++y) {
        lines.next(line);
        convertLine(h, line, palette, image.row(y), withAlpha ? image.alphaRow(y) : nullptr);
    }
    return image;
}

Format pcxFormat() {
    Format f;
    f.name = "PCX";
    f.extensions = {"pcx"};
    f.sniff = sniffPcx;
    f.decode = decodePcx;
    f.encode = encodePcx;
    return f;
}

}  // namespace qm::codecs
