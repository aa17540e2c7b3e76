#include <algorithm>

#include "codecs/byte_reader.h"
#include "codecs/dib_header.h"
#include "core/error.h"

namespace qm::codecs::dib {

namespace {

// Writes palette indices at a cursor that moves left to right, bottom row
// first. Pixels past the right edge are dropped: encoders of odd widths pad
// runs to whole bytes. Without an image it only checks the data.
class RleCanvas {
public:
    RleCanvas(const Header& header, Image* image) : header_(header), image_(image) {}

    bool finished() const { return y_ >= header_.height; }
    void put(unsigned index) {
        if (x_ < header_.width && !finished()) {
            if (index >= header_.palette.size())
                throw Error("BMP run-length data uses palette index " + std::to_string(index) + " beyond the " +
                            std::to_string(header_.palette.size()) + " colours");
            if (image_) {
                const int y = imageRow(header_, y_);
                image_->row(y)[x_] = header_.palette[index];
                image_->alphaRow(y)[x_] = 255;
            }
        }
        ++x_;
    }
    void endOfLine() { x_ = 0, ++y_; }
    void endOfBitmap() { y_ = header_.height; }
    void move(unsigned dx, unsigned dy) {
        x_ += dx, y_ += dy;
        if (x_ > header_.width || y_ > header_.height) throw Error("BMP run-length data moves outside the picture");
    }

private:
    const Header& header_;
    Image* image_;
    std::int64_t x_ = 0, y_ = 0;
};

void play(const Header& header, std::span<const std::uint8_t> pixels, RleCanvas& canvas) {
    ByteReader reader(pixels, "BMP run-length data");
    const bool fourBit = header.compression == kRle4;
    while (!canvas.finished()) {
        const unsigned count = reader.u8();
        const unsigned value = reader.u8();
        if (count > 0) {
            for (unsigned i = 0; i < count; ++i) canvas.put(fourBit ? (i % 2 ? value & 15 : value >> 4) : value);
            continue;
        }
        switch (value) {
        case 0: canvas.endOfLine(); break;
        case 1: canvas.endOfBitmap(); break;
        case 2: {
            const unsigned dx = reader.u8();
            const unsigned dy = reader.u8();
            canvas.move(dx, dy);
            break;
        }
        default: {
            // Absolute mode: `value` pixels as stored, padded to 16 bits.
            const std::size_t bytes = fourBit ? (value + 1) / 2 : value;
            const auto run = reader.bytes(bytes);
            for (unsigned i = 0; i < value; ++i)
                canvas.put(fourBit ? (i % 2 ? run[i / 2] & 15 : run[i / 2] >> 4) : run[i]);
            if (bytes % 2) reader.skip(std::min<std::size_t>(1, reader.remaining()));
        }
        }
    }
}

}  // namespace

// The data is checked in full before the picture is allocated, so a few
// damaged bytes claiming a huge picture cost nothing. Escapes can leave any
// area unset, so no ratio of data to pixels is impossible; but even a solid
// colour takes a byte per 128 pixels, and a large picture claimed by far
// less data than that is a bomb rather than a picture.
Image decodeRle(const Header& header, std::span<const std::uint8_t> pixels) {
    constexpr std::int64_t kPlausibleArea = std::int64_t(1) << 24, kMostPixelsPerByte = 4096;
    const std::int64_t area = header.width * header.height;
    if (area > kPlausibleArea && area / kMostPixelsPerByte > std::int64_t(pixels.size()))
        throw Error("BMP run-length data too short for a " + std::to_string(header.width) + " x " +
                    std::to_string(header.height) + " picture");
    RleCanvas check(header, nullptr);
    play(header, pixels, check);
    Image image(int(header.width), int(header.height));
    image.fill({0, 0, 0});
    image.ensureAlpha(0);
    RleCanvas canvas(header, &image);
    play(header, pixels, canvas);
    const std::uint8_t* alpha = image.alphaData();
    if (std::all_of(alpha, alpha + image.pixelCount(), [](std::uint8_t a) { return a == 255; })) image.dropAlpha();
    return image;
}

}  // namespace qm::codecs::dib
