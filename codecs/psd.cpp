#include <algorithm>
#include <string>
#include <vector>

#include "codecs/formats.h"
#include "core/error.h"

// Flat Photoshop files: one merged RGB picture, 8 bits per channel, with
// no layers. The reader takes the merged picture of any file of that kind
// (and of grey ones), which is what every Photoshop-compatible program
// writes into the file for readers like this one.
namespace qm::codecs {

namespace {

constexpr int kModeGrey = 1, kModeRgb = 3;

bool sniffPsd(std::span<const std::uint8_t> head) {
    return head.size() >= 6 && head[0] == '8' && head[1] == 'B' && head[2] == 'P' && head[3] == 'S' && head[4] == 0 &&
           head[5] == 1;
}

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(std::uint8_t(v >> 8)), out.push_back(std::uint8_t(v));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

// PackBits: runs of 3 to 128 equal bytes as (1 - n, byte), the rest as
// literal groups of up to 128 bytes (n - 1, bytes...).
void packBits(const std::uint8_t* in, std::size_t count, std::vector<std::uint8_t>& out) {
    std::size_t i = 0;
    while (i < count) {
        std::size_t run = 1;
        while (i + run < count && run < 128 && in[i + run] == in[i]) ++run;
        if (run >= 3) {
            out.push_back(std::uint8_t(257 - run));
            out.push_back(in[i]);
            i += run;
            continue;
        }
        std::size_t literal = 0;
        while (i + literal < count && literal < 128) {
            if (i + literal + 2 < count && in[i + literal] == in[i + literal + 1] && in[i + literal] == in[i + literal + 2])
                break;
            ++literal;
        }
        out.push_back(std::uint8_t(literal - 1));
        out.insert(out.end(), in + i, in + i + literal);
        i += literal;
    }
}

std::vector<std::uint8_t> encodePsd(const Image& image, const SaveOptions& options) {
    const int width = image.width(), height = image.height();
    if (width > 30000 || height > 30000) throw Error("Photoshop files hold at most 30000 pixels a side");
    std::vector<std::uint8_t> out = {'8', 'B', 'P', 'S'};
    put16(out, 1);
    out.insert(out.end(), 6, 0);
    put16(out, 3);
    put32(out, std::uint32_t(height));
    put32(out, std::uint32_t(width));
    put16(out, 8);
    put16(out, kModeRgb);
    put32(out, 0);  // colour mode data
    put32(out, 0);  // image resources
    put32(out, 0);  // layers and masks
    put16(out, options.psdRle ? 1 : 0);
    std::vector<std::uint8_t> plane(static_cast<std::size_t>(width));
    if (!options.psdRle) {
        for (int c = 0; c < 3; ++c)
            for (int y = 0; y < height; ++y) {
                const auto* row = reinterpret_cast<const std::uint8_t*>(image.row(y));
                for (int x = 0; x < width; ++x) out.push_back(row[3 * x + c]);
            }
        return out;
    }
    // Row byte counts for every channel row first, then the packed rows.
    const std::size_t countsAt = out.size();
    out.resize(out.size() + std::size_t(3) * height * 2);
    std::vector<std::uint8_t> packed;
    for (int c = 0; c < 3; ++c)
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint8_t*>(image.row(y));
            for (int x = 0; x < width; ++x) plane[std::size_t(x)] = row[3 * x + c];
            const std::size_t before = out.size();
            packBits(plane.data(), plane.size(), out);
            const std::size_t length = out.size() - before;
            const std::size_t at = countsAt + (std::size_t(c) * height + y) * 2;
            out[at] = std::uint8_t(length >> 8), out[at + 1] = std::uint8_t(length);
        }
    return out;
}

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
    std::uint32_t u16() { return need(2), pos_ += 2, std::uint32_t(data_[pos_ - 2] << 8 | data_[pos_ - 1]); }
    std::uint32_t u32() { return u16() << 16 | u16(); }
    void skip(std::uint64_t n) { need(n), pos_ += std::size_t(n); }
    const std::uint8_t* take(std::uint64_t n) { return need(n), pos_ += std::size_t(n), data_.data() + pos_ - n; }
    std::size_t remaining() const { return data_.size() - pos_; }

private:
    void need(std::uint64_t n) const {
        if (n > remaining()) throw Error("truncated Photoshop file");
    }
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

void unpackBits(Reader& in, std::size_t packedLength, std::uint8_t* out, std::size_t count) {
    const std::uint8_t* p = in.take(packedLength);
    const std::uint8_t* end = p + packedLength;
    std::size_t filled = 0;
    while (p < end && filled < count) {
        const int n = std::int8_t(*p++);
        if (n >= 0) {
            const std::size_t literal = std::min<std::size_t>(std::size_t(n) + 1, std::size_t(end - p));
            if (filled + literal > count) throw Error("damaged Photoshop channel data");
            std::copy(p, p + literal, out + filled);
            p += literal, filled += literal;
        } else if (n != -128) {
            if (p == end || filled + std::size_t(1 - n) > count) throw Error("damaged Photoshop channel data");
            std::fill_n(out + filled, 1 - n, *p++);
            filled += std::size_t(1 - n);
        }
    }
    if (filled != count) throw Error("damaged Photoshop channel data");
}

Image decodePsd(std::span<const std::uint8_t> data, const ReadHints&) {
    if (!sniffPsd(data)) throw Error("not a Photoshop file (or a large-document one)");
    Reader in(data);
    in.skip(12);
    const std::uint32_t channels = in.u16(), height = in.u32(), width = in.u32(), depth = in.u16(), mode = in.u16();
    checkSize(width, height, "Photoshop header");
    if (depth != 8 || (mode != kModeRgb && mode != kModeGrey))
        throw Error("unsupported kind of Photoshop file (only 8-bit RGB and grey)");
    const std::uint32_t needed = mode == kModeRgb ? 3 : 1;
    if (channels < needed) throw Error("damaged Photoshop header");
    in.skip(in.u32());
    in.skip(in.u32());
    in.skip(in.u32());
    const std::uint32_t compression = in.u16();
    if (compression > 1) throw Error("unsupported Photoshop compression");
    std::vector<std::uint32_t> lengths;
    if (compression == 1)
        for (std::uint64_t i = 0; i < std::uint64_t(channels) * height; ++i) lengths.push_back(in.u16());
    Image image(static_cast<int>(width), static_cast<int>(height));
    std::vector<std::uint8_t> plane(width);
    for (std::uint32_t c = 0; c < needed; ++c)
        for (std::uint32_t y = 0; y < height; ++y) {
            if (compression == 1) unpackBits(in, lengths[std::size_t(c) * height + y], plane.data(), width);
            else std::copy_n(in.take(width), width, plane.begin());
            auto* row = reinterpret_cast<std::uint8_t*>(image.row(int(y)));
            for (std::uint32_t x = 0; x < width; ++x)
                for (std::uint32_t k = (mode == kModeGrey ? 0 : c); k < (mode == kModeGrey ? 3 : c + 1); ++k)
                    row[3 * x + k] = plane[x];
        }
    return image;
}

}  // namespace

Format psdFormat() {
    Format f;
    f.name = "Photoshop";
    f.extensions = {"psd"};
    f.sniff = sniffPsd;
    f.decode = decodePsd;
    f.encode = encodePsd;
    return f;
}

}  // namespace qm::codecs
