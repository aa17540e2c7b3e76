#include "codecs/pnm_text.h"

#include <string>

namespace qm::codecs::pnm {

void TextReader::skipSpaceAndComments() {
    while (position_ < data_.size()) {
        const std::uint8_t c = data_[position_];
        if (c == '#') {
            while (position_ < data_.size() && data_[position_] != '\n' && data_[position_] != '\r') ++position_;
        } else if (isSpace(c)) {
            ++position_;
        } else {
            return;
        }
    }
}

std::uint64_t TextReader::number(const char* what) {
    skipSpaceAndComments();
    if (position_ >= data_.size()) throw Error("truncated PNM data");
    if (data_[position_] < '0' || data_[position_] > '9') throw Error(std::string("bad ") + what + " in PNM data");
    std::uint64_t value = 0;
    while (position_ < data_.size() && data_[position_] >= '0' && data_[position_] <= '9') {
        value = value * 10 + (data_[position_++] - '0');
        if (value > 0xFFFFFFFFu) throw Error(std::string(what) + " too large");
    }
    return value;
}

bool TextReader::bit() {
    skipSpaceAndComments();
    const std::uint8_t c = byte();
    if (c != '0' && c != '1') throw Error("bad PNM bitmap sample");
    return c == '1';
}

void TextReader::endOfHeader() {
    if (!isSpace(byte())) throw Error("bad PNM header");
}

namespace {

std::uint8_t luma(Rgb c) { return std::uint8_t((299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000); }

void appendText(std::vector<std::uint8_t>& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

std::vector<std::uint8_t> header(int kind, const Image& image, bool withMaximum) {
    std::string text = {'P', char('0' + kind), '\n'};
    text += std::to_string(image.width());
    text += ' ';
    text += std::to_string(image.height());
    text += withMaximum ? "\n255\n" : "\n";
    return {text.begin(), text.end()};
}

// Text samples separated by spaces, lines kept within 70 characters.
class TextSamples {
public:
    explicit TextSamples(std::vector<std::uint8_t>& out) : out_(out) {}
    void add(unsigned value) {
        const std::string text = std::to_string(value);
        if (column_ > 0 && column_ + 1 + text.size() > 70) {
            out_.push_back('\n');
            column_ = 0;
        } else if (column_ > 0) {
            out_.push_back(' ');
            ++column_;
        }
        appendText(out_, text);
        column_ += text.size();
    }
    void finish() {
        if (column_ > 0) out_.push_back('\n');
    }

private:
    std::vector<std::uint8_t>& out_;
    std::size_t column_ = 0;
};

}  // namespace

std::vector<std::uint8_t> encodePpm(const Image& image, const SaveOptions& options) {
    std::vector<std::uint8_t> out = header(options.pnmAscii ? 3 : 6, image, true);
    if (options.pnmAscii) {
        TextSamples samples(out);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const Rgb c = image.row(y)[x];
                samples.add(c.r), samples.add(c.g), samples.add(c.b);
            }
        samples.finish();
        return out;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());
    out.insert(out.end(), bytes, bytes + image.pixelCount() * 3);
    return out;
}

std::vector<std::uint8_t> encodePgm(const Image& image, const SaveOptions& options) {
    std::vector<std::uint8_t> out = header(options.pnmAscii ? 2 : 5, image, true);
    TextSamples samples(out);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t grey = luma(image.row(y)[x]);
            if (options.pnmAscii) samples.add(grey);
            else out.push_back(grey);
        }
    samples.finish();
    return out;
}

// Black where the luma is below the middle; 1 is black in PBM.
std::vector<std::uint8_t> encodePbm(const Image& image, const SaveOptions& options) {
    std::vector<std::uint8_t> out = header(options.pnmAscii ? 1 : 4, image, false);
    const std::size_t rowBytes = (std::size_t(image.width()) + 7) / 8;
    std::vector<std::uint8_t> packed(rowBytes);
    TextSamples samples(out);
    for (int y = 0; y < image.height(); ++y) {
        std::fill(packed.begin(), packed.end(), 0);
        for (int x = 0; x < image.width(); ++x) {
            const bool black = luma(image.row(y)[x]) < 128;
            if (options.pnmAscii) samples.add(black);
            else if (black) packed[std::size_t(x) / 8] |= std::uint8_t(0x80 >> (x % 8));
        }
        if (!options.pnmAscii) out.insert(out.end(), packed.begin(), packed.end());
    }
    samples.finish();
    return out;
}

}  // namespace qm::codecs::pnm
