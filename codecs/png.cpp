#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <memory>
#include <string>

#include "codecs/formats.h"
#include "codecs/memory_io.h"
#include "codecs/pixel_convert.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

bool sniffPng(std::span<const std::uint8_t> head) {
    return head.size() >= 8 && std::equal(kSignature, kSignature + 8, head.begin());
}

// libpng reports through longjmp; the message is kept for the Error thrown
// once control is back in C++.
struct PngErrorState {
    std::string message;
};

void onPngError(png_structp png, png_const_charp message) {
    auto* state = static_cast<PngErrorState*>(png_get_error_ptr(png));
    if (state && state->message.empty()) state->message = message ? message : "damaged PNG data";
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (source->read(out, count) != count) png_error(png, "truncated PNG data");
}

void writeToMemory(png_structp png, png_bytep in, png_size_t count) {
    static_cast<MemoryWriter*>(png_get_io_ptr(png))->write(in, count);
}

void flushNothing(png_structp) {}

std::string reasonFrom(const PngErrorState& state) {
    return state.message.empty() ? std::string("damaged PNG data") : state.message;
}

// Samples after libpng's expansion: 8 or 16 bits, 1 to 4 channels. Sixteen
// bits are kept until the end so transparency is composited at full
// precision, then rounded to the nearest 8-bit value.
void storeRow(const png_byte* in, int channels, bool sixteen, int width, Rgb* out, std::uint8_t* alpha) {
    auto sample = [&](int i) -> unsigned {
        return sixteen ? unsigned(in[2 * i] << 8 | in[2 * i + 1]) : in[i];
    };
    auto to8 = [&](unsigned v) -> std::uint8_t { return sixteen ? scale16To8(v) : std::uint8_t(v); };
    for (int x = 0; x < width; ++x) {
        const int base = x * channels;
        const bool colour = channels >= 3;
        const unsigned r = sample(base), g = colour ? sample(base + 1) : r, b = colour ? sample(base + 2) : r;
        out[x] = {to8(r), to8(g), to8(b)};
        if (alpha) alpha[x] = to8(sample(base + channels - 1));
    }
}

void storeRow16OverWhite(const png_byte* in, int channels, int width, Rgb* out) {
    auto sample = [&](int i) -> unsigned { return unsigned(in[2 * i] << 8 | in[2 * i + 1]); };
    for (int x = 0; x < width; ++x) {
        const int base = x * channels;
        const bool colour = channels >= 3;
        const unsigned a = sample(base + channels - 1);
        auto over = [&](unsigned c) {
            const std::uint64_t mixed = (std::uint64_t(c) * a + 65535ull * (65535u - a) + 32767u) / 65535u;
            return scale16To8(unsigned(mixed));
        };
        const unsigned r = sample(base), g = colour ? sample(base + 1) : r, b = colour ? sample(base + 2) : r;
        out[x] = {over(r), over(g), over(b)};
    }
}

std::uint32_t bigEndian32(const std::uint8_t* p) { return std::uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

Image decodePng(std::span<const std::uint8_t> data, const ReadHints& hints) {
    if (!sniffPng(data)) throw Error("not a PNG file");
    // The header chunk comes first; its size is checked before libpng reads
    // further or anything is allocated.
    if (data.size() >= 24 && std::equal(data.begin() + 12, data.begin() + 16, "IHDR"))
        checkSize(bigEndian32(&data[16]), bigEndian32(&data[20]), "PNG header");
    PngErrorState state;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, onPngError, onPngWarning);
    if (!png) throw Error("not enough memory to read the PNG file");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw Error("not enough memory to read the PNG file");
    }
    MemoryReader source{data};
    Image image;
    std::unique_ptr<png_byte[]> pixels;
    std::unique_ptr<png_bytep[]> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw Error(reasonFrom(state));
    }
    png_set_read_fn(png, &source, readFromMemory);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    png_set_expand(png);  // palette, low-bit grey and tRNS to 8-bit samples (+ alpha)
    // The stored samples are the picture; a gamma chunk is not applied,
    // so opening and saving a file keeps its values.
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    const bool sixteen = png_get_bit_depth(png, info) == 16;
    const bool hasAlpha = channels == 2 || channels == 4;
    const std::size_t rowBytes = png_get_rowbytes(png, info);

    image = Image(int(width), int(height));
    if (hasAlpha && hints.keepAlpha) image.ensureAlpha();
    const bool straightIntoImage = channels == 3 && !sixteen;
    pixels.reset(new png_byte[straightIntoImage ? 0 : rowBytes * height]);
    rows.reset(new png_bytep[height]);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = straightIntoImage ? reinterpret_cast<png_bytep>(image.row(int(y))) : pixels.get() + y * rowBytes;
    png_read_image(png, rows.get());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    if (straightIntoImage) return image;
    for (png_uint_32 y = 0; y < height; ++y) {
        Rgb* out = image.row(int(y));
        if (hasAlpha && !hints.keepAlpha && sixteen) {
            storeRow16OverWhite(rows[y], channels, int(width), out);
        } else if (hasAlpha && !hints.keepAlpha) {
            storeRow(rows[y], channels, false, int(width), out, nullptr);
            for (png_uint_32 x = 0; x < width; ++x) {
                const unsigned a = rows[y][x * channels + channels - 1];
                out[x] = {overWhite(out[x].r, a), overWhite(out[x].g, a), overWhite(out[x].b, a)};
            }
        } else {
            storeRow(rows[y], channels, sixteen, int(width), out, image.hasAlpha() ? image.alphaRow(int(y)) : nullptr);
        }
    }
    return image;
}

std::vector<std::uint8_t> encodePng(const Image& image, const SaveOptions& options) {
    PngErrorState state;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, onPngError, onPngWarning);
    if (!png) throw Error("not enough memory to write the PNG file");
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw Error("not enough memory to write the PNG file");
    }
    MemoryWriter sink;
    const bool withAlpha = image.hasAlpha();
    std::unique_ptr<png_byte[]> rgba(new png_byte[withAlpha ? std::size_t(image.width()) * 4 : 0]);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw Error(reasonFrom(state));
    }
    png_set_write_fn(png, &sink, writeToMemory, flushNothing);
    png_set_compression_level(png, std::clamp(options.pngCompression, 0, 9));
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y) {
        if (!withAlpha) {
            png_write_row(png, reinterpret_cast<png_const_bytep>(image.row(y)));
            continue;
        }
        const Rgb* in = image.row(y);
        const std::uint8_t* a = image.alphaRow(y);
        for (int x = 0; x < image.width(); ++x) {
            png_byte* p = rgba.get() + 4 * x;
            p[0] = in[x].r, p[1] = in[x].g, p[2] = in[x].b, p[3] = a[x];
        }
        png_write_row(png, rgba.get());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::move(sink.bytes);
}

}  // namespace

Format pngFormat() {
    Format f;
    f.name = "PNG";
    f.extensions = {"png"};
    f.sniff = sniffPng;
    f.decode = decodePng;
    f.encode = encodePng;
    f.writesAlpha = true;
    return f;
}

}  // namespace qm::codecs
