#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "codecs/formats.h"
#include "codecs/pixel_convert.h"
#include "codecs/tiff_memory.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

bool sniffTiff(std::span<const std::uint8_t> head) {
    if (head.size() < 4) return false;
    const bool intel = head[0] == 'I' && head[1] == 'I' && (head[2] == 42 || head[2] == 43) && head[3] == 0;
    const bool motorola = head[0] == 'M' && head[1] == 'M' && head[2] == 0 && (head[3] == 42 || head[3] == 43);
    return intel || motorola;
}

// libtiff's RGBA interface covers every layout (palette, 1 to 16 bits,
// YCbCr, CMYK, tiles, separate planes, old and new JPEG) in one path.
// Colour pictures with alpha come out premultiplied; grey ones do not.
Image rasterToImage(const std::vector<std::uint32_t>& raster, int width, int height, bool premultiplied,
                    bool keepAlpha) {
    Image image(width, height);
    const bool anyTransparency =
        std::any_of(raster.begin(), raster.end(), [](std::uint32_t p) { return TIFFGetA(p) != 255; });
    if (anyTransparency && keepAlpha) image.ensureAlpha();
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* in = raster.data() + std::size_t(y) * width;
        Rgb* out = image.row(y);
        std::uint8_t* alpha = image.hasAlpha() ? image.alphaRow(y) : nullptr;
        for (int x = 0; x < width; ++x) {
            const unsigned r = TIFFGetR(in[x]), g = TIFFGetG(in[x]), b = TIFFGetB(in[x]), a = TIFFGetA(in[x]);
            if (a == 255 || !anyTransparency) {
                out[x] = {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
            } else if (alpha) {
                auto straight = [&](unsigned c) {
                    return premultiplied ? std::uint8_t(a ? std::min(255u, (c * 255 + a / 2) / a) : 0) : std::uint8_t(c);
                };
                out[x] = {straight(r), straight(g), straight(b)};
            } else if (premultiplied) {
                auto over = [&](unsigned c) { return std::uint8_t(std::min(255u, c + 255 - a)); };
                out[x] = {over(r), over(g), over(b)};
            } else {
                out[x] = {overWhite(r, a), overWhite(g, a), overWhite(b, a)};
            }
            if (alpha) alpha[x] = std::uint8_t(a);
        }
    }
    return image;
}

Image decodeTiff(std::span<const std::uint8_t> data, const ReadHints& hints) {
    if (!sniffTiff(data)) throw Error("not a TIFF file");
    TiffHandle handle = TiffHandle::openForReading(data);
    TIFF* tiff = handle.get();
    std::uint32_t width = 0, height = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    checkSize(width, height, "TIFF directory");
    char why[1024] = "";
    if (!TIFFRGBAImageOK(tiff, why)) throw Error(std::string("unsupported kind of TIFF: ") + why);
    std::uint16_t photometric = PHOTOMETRIC_RGB;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_PHOTOMETRIC, &photometric);
    std::vector<std::uint32_t> raster(std::size_t(width) * height);
    if (!TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 1))
        throw Error(handle.error("damaged TIFF data"));
    if (!handle.error("").empty()) throw Error(handle.error(""));
    const bool grey = photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE;
    return rasterToImage(raster, int(width), int(height), !grey, hints.keepAlpha);
}

bool isBlackAndWhite(const Image& image) {
    for (int y = 0; y < image.height(); ++y) {
        const Rgb* row = image.row(y);
        for (int x = 0; x < image.width(); ++x)
            if (!(row[x] == Rgb{0, 0, 0}) && !(row[x] == Rgb{255, 255, 255})) return false;
    }
    return true;
}

std::uint16_t libtiffCompression(TiffCompression compression) {
    switch (compression) {
        case TiffCompression::None: return COMPRESSION_NONE;
        case TiffCompression::Lzw: return COMPRESSION_LZW;
        case TiffCompression::Deflate: return COMPRESSION_ADOBE_DEFLATE;
        case TiffCompression::PackBits: return COMPRESSION_PACKBITS;
        case TiffCompression::Jpeg: return COMPRESSION_JPEG;
        case TiffCompression::FaxG3: return COMPRESSION_CCITTFAX3;
        case TiffCompression::FaxG4: return COMPRESSION_CCITTFAX4;
    }
    return COMPRESSION_LZW;
}

void writeBilevel(TIFF* tiff, const Image& image, std::uint16_t compression) {
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    if (compression == COMPRESSION_CCITTFAX3) TIFFSetField(tiff, TIFFTAG_GROUP3OPTIONS, 0);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, image.height());
    std::vector<std::uint8_t> bits((std::size_t(image.width()) + 7) / 8);
    for (int y = 0; y < image.height(); ++y) {
        std::fill(bits.begin(), bits.end(), 0);
        const Rgb* row = image.row(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x].r == 0) bits[std::size_t(x) / 8] |= std::uint8_t(0x80 >> (x % 8));
        if (TIFFWriteScanline(tiff, bits.data(), std::uint32_t(y), 0) < 0) throw Error("cannot encode TIFF");
    }
}

void writeColour(TIFF* tiff, const Image& image, std::uint16_t compression, const SaveOptions& options) {
    const bool withAlpha = image.hasAlpha();
    const int channels = withAlpha ? 4 : 3;
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, channels);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    if (withAlpha) {
        const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    std::uint32_t rowsPerStrip = TIFFDefaultStripSize(tiff, 0);
    if (compression == COMPRESSION_JPEG) {
        TIFFSetField(tiff, TIFFTAG_JPEGQUALITY, std::clamp(options.jpegQuality, 1, 100));
        // YCbCr is what makes TIFF JPEG small; it has no room for alpha.
        if (!withAlpha) {
            TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
            TIFFSetField(tiff, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        } else {
            TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        }
        rowsPerStrip = (rowsPerStrip + 15) / 16 * 16;
    } else {
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
        if (compression == COMPRESSION_LZW || compression == COMPRESSION_ADOBE_DEFLATE)
            TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    }
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
    std::vector<std::uint8_t> line(std::size_t(image.width()) * channels);
    for (int y = 0; y < image.height(); ++y) {
        const Rgb* row = image.row(y);
        std::uint8_t* p = line.data();
        for (int x = 0; x < image.width(); ++x) {
            *p++ = row[x].r, *p++ = row[x].g, *p++ = row[x].b;
            if (withAlpha) *p++ = image.alphaRow(y)[x];
        }
        if (TIFFWriteScanline(tiff, line.data(), std::uint32_t(y), 0) < 0) throw Error("cannot encode TIFF");
    }
}

// Fax compression only exists for black and white. A picture that is
// already black and white is stored at one bit per pixel; any other picture
// would lose its colours, so it is written with lossless LZW instead.
std::vector<std::uint8_t> encodeTiff(const Image& image, const SaveOptions& options) {
    std::uint16_t compression = libtiffCompression(options.tiffCompression);
    const bool fax = compression == COMPRESSION_CCITTFAX3 || compression == COMPRESSION_CCITTFAX4;
    const Image* source = &image;
    Image flattened;
    if (fax && image.hasAlpha()) {
        flattened = image;
        flattenOntoWhite(flattened);
        source = &flattened;
    }
    const bool bilevel = fax && isBlackAndWhite(*source);
    if (fax && !bilevel) {
        compression = COMPRESSION_LZW;
        source = &image;
    }
    MemoryWriter sink;
    TiffHandle handle = TiffHandle::openForWriting(sink);
    TIFF* tiff = handle.get();
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(image.width()));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(image.height()));
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff, TIFFTAG_SOFTWARE, "Quillmount");
    if (bilevel) writeBilevel(tiff, *source, compression);
    else writeColour(tiff, *source, compression, options);
    if (!TIFFWriteDirectory(tiff)) throw Error(handle.error("cannot encode TIFF"));
    const std::string failure = handle.error("");
    handle.close();
    if (!failure.empty()) throw Error(failure);
    return std::move(sink.bytes);
}

}  // namespace

Format tiffFormat() {
    Format f;
    f.name = "TIFF";
    f.extensions = {"tif", "tiff"};
    f.sniff = sniffTiff;
    f.decode = decodeTiff;
    f.encode = encodeTiff;
    f.writesAlpha = true;
    return f;
}

}  // namespace qm::codecs
