#include <string>
#include <vector>

#include "codecs/formats.h"
#include "codecs/pnm_text.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

// P1/P4 bitmaps (1 is black), P2/P5 grey maps, P3/P6 colour; the first
// three kinds store numbers as text, the last three as binary samples.
struct PnmHeader {
    int kind = 0;  // 1..6
    std::int64_t width = 0, height = 0;
    unsigned maximum = 1;
    bool bitmap() const { return kind == 1 || kind == 4; }
    bool ascii() const { return kind <= 3; }
    int channels() const { return kind == 3 || kind == 6 ? 3 : 1; }
};

bool sniffPnm(std::span<const std::uint8_t> head) {
    return head.size() >= 3 && head[0] == 'P' && head[1] >= '1' && head[1] <= '6' && pnm::isSpace(head[2]);
}

PnmHeader readHeader(pnm::TextReader& text) {
    PnmHeader h;
    if (text.byte() != 'P') throw Error("not a PNM file");
    const int kind = text.byte() - '0';
    if (kind < 1 || kind > 6) throw Error("not a PNM file (unknown kind P" + std::to_string(kind) + ")");
    h.kind = kind;
    h.width = text.number("PNM width");
    h.height = text.number("PNM height");
    checkSize(h.width, h.height, "PNM");
    if (!h.bitmap()) {
        const std::uint64_t maximum = text.number("PNM maximum value");
        if (maximum < 1 || maximum > 65535)
            throw Error("PNM maximum value " + std::to_string(maximum) + " outside 1 to 65535");
        h.maximum = unsigned(maximum);
    }
    if (!h.ascii()) text.endOfHeader();
    return h;
}

std::uint8_t scaled(std::uint64_t value, unsigned maximum) {
    if (value > maximum) value = maximum;
    if (maximum == 255) return std::uint8_t(value);
    return std::uint8_t((value * 255 + maximum / 2) / maximum);
}

void readBinary(pnm::TextReader& text, const PnmHeader& h, Image& image) {
    const std::size_t width = std::size_t(h.width);
    if (h.bitmap()) {
        const std::size_t rowBytes = (width + 7) / 8;
        if (text.remaining() / rowBytes < std::size_t(h.height)) throw Error("truncated PNM data");
        for (int y = 0; y < image.height(); ++y) {
            const std::uint8_t* src = text.take(rowBytes);
            Rgb* out = image.row(y);
            for (std::size_t x = 0; x < width; ++x) {
                const std::uint8_t v = (src[x / 8] >> (7 - x % 8)) & 1 ? 0 : 255;
                out[x] = {v, v, v};
            }
        }
        return;
    }
    const std::size_t sampleBytes = h.maximum > 255 ? 2 : 1;
    const std::size_t rowBytes = width * std::size_t(h.channels()) * sampleBytes;
    if (text.remaining() / rowBytes < std::size_t(h.height)) throw Error("truncated PNM data");
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* src = text.take(rowBytes);
        Rgb* out = image.row(y);
        auto sample = [&](std::size_t i) {
            const unsigned v = sampleBytes == 2 ? unsigned((src[2 * i] << 8) | src[2 * i + 1]) : src[i];
            return scaled(v, h.maximum);
        };
        for (std::size_t x = 0; x < width; ++x) {
            if (h.channels() == 3) out[x] = {sample(3 * x), sample(3 * x + 1), sample(3 * x + 2)};
            else out[x].r = out[x].g = out[x].b = sample(x);
        }
    }
}

void readAscii(pnm::TextReader& text, const PnmHeader& h, Image& image) {
    const std::size_t width = std::size_t(h.width);
    for (int y = 0; y < image.height(); ++y) {
        Rgb* out = image.row(y);
        for (std::size_t x = 0; x < width; ++x) {
            if (h.bitmap()) {
                const std::uint8_t v = text.bit() ? 0 : 255;
                out[x] = {v, v, v};
            } else if (h.channels() == 3) {
                const std::uint8_t r = scaled(text.number("PNM sample"), h.maximum);
                const std::uint8_t g = scaled(text.number("PNM sample"), h.maximum);
                out[x] = {r, g, scaled(text.number("PNM sample"), h.maximum)};
            } else {
                out[x].r = out[x].g = out[x].b = scaled(text.number("PNM sample"), h.maximum);
            }
        }
    }
}

Image decodePnm(std::span<const std::uint8_t> data, const ReadHints&) {
    pnm::TextReader text(data);
    const PnmHeader h = readHeader(text);
    // Every text sample takes at least one character: refuse a header that
    // claims more samples than the file has bytes before allocating.
    if (h.ascii() && text.remaining() / std::size_t(h.channels()) / std::size_t(h.width) < std::size_t(h.height))
        throw Error("truncated PNM data");
    Image image(int(h.width), int(h.height));
    if (h.ascii()) readAscii(text, h, image);
    else readBinary(text, h, image);
    return image;
}

Format pnmReader(std::string name, std::vector<std::string> extensions,
                 std::vector<std::uint8_t> (*encode)(const Image&, const SaveOptions&)) {
    Format f;
    f.name = std::move(name);
    f.extensions = std::move(extensions);
    f.sniff = sniffPnm;
    f.decode = decodePnm;
    f.encode = encode;
    return f;
}

}  // namespace

Format pnmFormat() { return pnmReader("PNM", {"pxm", "ppm"}, pnm::encodePpm); }
Format pgmFormat() { return pnmReader("PGM", {"pgm"}, pnm::encodePgm); }
Format pbmFormat() { return pnmReader("PBM", {"pbm"}, pnm::encodePbm); }

}  // namespace qm::codecs
