#include <cstring>

#include "codecs/byte_reader.h"
#include "codecs/dib.h"
#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

constexpr std::size_t kFileHeaderSize = 14;

bool sniffBmp(std::span<const std::uint8_t> head) {
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') return false;
    if (head.size() < 18) return true;
    const std::uint32_t headerSize = head[14] | (head[15] << 8) | (head[16] << 16) | (std::uint32_t(head[17]) << 24);
    return headerSize >= 12 && headerSize <= 124;
}

Image decodeBmp(std::span<const std::uint8_t> data, const ReadHints&) {
    ByteReader reader(data, "BMP header");
    if (reader.u8() != 'B' || reader.u8() != 'M') throw Error("not a BMP file");
    reader.skip(8);  // file size and reserved words: often wrong, never needed
    const std::uint32_t pixelOffset = reader.u32le();
    DibLayout layout;
    if (pixelOffset >= kFileHeaderSize) layout.pixelOffset = pixelOffset - kFileHeaderSize;
    return decodeDib(data.subspan(kFileHeaderSize), layout);
}

// 24-bit, bottom-up rows padded to 4 bytes, after a Windows 40-byte or an
// OS/2 12-byte info header.
std::vector<std::uint8_t> encodeBmp(const Image& image, const SaveOptions& options) {
    const bool os2 = options.bmpFlavour == BmpFlavour::Os2;
    const std::size_t infoSize = os2 ? 12 : 40;
    const std::size_t stride = (std::size_t(image.width()) * 3 + 3) / 4 * 4;
    const std::size_t pixelOffset = kFileHeaderSize + infoSize;
    const std::size_t fileSize = pixelOffset + stride * std::size_t(image.height());
    if (fileSize > 0xFFFFFFFFu) throw Error("picture too large for a BMP file");

    std::vector<std::uint8_t> out(fileSize, 0);
    std::uint8_t* h = out.data();
    h[0] = 'B', h[1] = 'M';
    putU32le(h + 2, std::uint32_t(fileSize));
    putU32le(h + 10, std::uint32_t(pixelOffset));
    std::uint8_t* info = h + kFileHeaderSize;
    putU32le(info, std::uint32_t(infoSize));
    if (os2) {
        putU16le(info + 4, unsigned(image.width()));
        putU16le(info + 6, unsigned(image.height()));
        putU16le(info + 8, 1);
        putU16le(info + 10, 24);
    } else {
        putU32le(info + 4, std::uint32_t(image.width()));
        putU32le(info + 8, std::uint32_t(image.height()));
        putU16le(info + 12, 1);
        putU16le(info + 14, 24);
        putU32le(info + 20, std::uint32_t(stride * std::size_t(image.height())));
        putU32le(info + 24, 2835);  // 72 dots per inch
        putU32le(info + 28, 2835);
    }
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* dst = out.data() + pixelOffset + std::size_t(image.height() - 1 - y) * stride;
        const Rgb* src = image.row(y);
        for (int x = 0; x < image.width(); ++x, dst += 3) dst[0] = src[x].b, dst[1] = src[x].g, dst[2] = src[x].r;
    }
    return out;
}

}  // namespace

Format bmpFormat() {
    Format f;
    f.name = "BMP";
    f.extensions = {"bmp", "dib", "rle"};
    f.sniff = sniffBmp;
    f.decode = decodeBmp;
    f.encode = encodeBmp;
    return f;
}

}  // namespace qm::codecs
