#include <openjpeg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "codecs/formats.h"
#include "codecs/memory_io.h"
#include "codecs/pixel_convert.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

const std::uint8_t kJp2Signature[12] = {0, 0, 0, 0x0C, 'j', 'P', ' ', ' ', 0x0D, 0x0A, 0x87, 0x0A};

bool sniffJp2(std::span<const std::uint8_t> head) {
    return head.size() >= 12 && std::equal(kJp2Signature, kJp2Signature + 12, head.begin());
}

bool sniffJ2k(std::span<const std::uint8_t> head) {
    return head.size() >= 4 && head[0] == 0xFF && head[1] == 0x4F && head[2] == 0xFF && head[3] == 0x51;
}

struct CodecDeleter {
    void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct StreamDeleter {
    void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};
struct ImageDeleter {
    void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};
using Codec = std::unique_ptr<opj_codec_t, CodecDeleter>;
using Stream = std::unique_ptr<opj_stream_t, StreamDeleter>;
using OpjImage = std::unique_ptr<opj_image_t, ImageDeleter>;

void keepFirstError(const char* message, void* user) {
    auto* kept = static_cast<std::string*>(user);
    if (kept->empty() && message) {
        *kept = message;
        while (!kept->empty() && (kept->back() == '\n' || kept->back() == ' ')) kept->pop_back();
    }
}
void ignoreMessage(const char*, void*) {}

void routeMessages(opj_codec_t* codec, std::string& error) {
    opj_set_error_handler(codec, keepFirstError, &error);
    opj_set_warning_handler(codec, ignoreMessage, nullptr);
    opj_set_info_handler(codec, ignoreMessage, nullptr);
}

OPJ_SIZE_T readStream(void* out, OPJ_SIZE_T count, void* user) {
    const std::size_t n = static_cast<MemoryReader*>(user)->read(out, count);
    return n ? n : OPJ_SIZE_T(-1);
}
OPJ_OFF_T skipRead(OPJ_OFF_T count, void* user) {
    auto* reader = static_cast<MemoryReader*>(user);
    const std::int64_t target = std::int64_t(reader->position) + count;
    if (target < 0 || !reader->seek(std::uint64_t(target))) return -1;
    return count;
}
OPJ_BOOL seekRead(OPJ_OFF_T offset, void* user) {
    return offset >= 0 && static_cast<MemoryReader*>(user)->seek(std::uint64_t(offset));
}

OPJ_SIZE_T writeStream(void* in, OPJ_SIZE_T count, void* user) {
    static_cast<MemoryWriter*>(user)->write(in, count);
    return count;
}
OPJ_OFF_T skipWrite(OPJ_OFF_T count, void* user) {
    auto* writer = static_cast<MemoryWriter*>(user);
    writer->seek(std::size_t(std::int64_t(writer->position) + count));
    return count;
}
OPJ_BOOL seekWrite(OPJ_OFF_T offset, void* user) {
    static_cast<MemoryWriter*>(user)->seek(std::size_t(offset));
    return OPJ_TRUE;
}

// A component's samples as 8 bits: signed ones shifted to unsigned, every
// precision scaled to the nearest 8-bit level. Components smaller than the
// picture (subsampled chroma) are stretched over it.
struct Channel {
    const opj_image_comp_t* component;
    std::int64_t offset;
    unsigned maximum;
    int pictureWidth, pictureHeight;
    std::uint8_t at(int x, int y) const {
        const auto cx = std::size_t(std::int64_t(x) * component->w / pictureWidth);
        const auto cy = std::size_t(std::int64_t(y) * component->h / pictureHeight);
        const std::int64_t v = std::clamp<std::int64_t>(component->data[cy * component->w + cx] + offset, 0, maximum);
        return maximum == 255 ? std::uint8_t(v) : scaleTo8(unsigned(v), maximum);
    }
};

Channel channelOf(const opj_image_comp_t& component, int width, int height) {
    const unsigned precision = std::clamp<unsigned>(component.prec, 1, 31);
    return {&component, component.sgnd ? std::int64_t(1) << (precision - 1) : 0,
            unsigned((std::uint64_t(1) << precision) - 1), width, height};
}

// sYCC (ITU-R BT.601 full range), the colour space of subsampled JP2 files.
Rgb yccToRgb(int luma, int cb, int cr) {
    cb -= 128, cr -= 128;
    auto clamp = [](double v) { return std::uint8_t(std::clamp(std::lround(v), 0l, 255l)); };
    return {clamp(luma + 1.402 * cr), clamp(luma - 0.344136 * cb - 0.714136 * cr), clamp(luma + 1.772 * cb)};
}

std::pair<std::int64_t, std::int64_t> largestComponent(const opj_image_t& image) {
    std::int64_t width = 0, height = 0;
    for (OPJ_UINT32 i = 0; i < image.numcomps; ++i) {
        width = std::max<std::int64_t>(width, image.comps[i].w);
        height = std::max<std::int64_t>(height, image.comps[i].h);
    }
    return {width, height};
}

// Thumbnails decode only the wavelet levels they need: each level dropped
// halves both sides, down to the smallest the stream holds.
void reduceForThumbnail(opj_codec_t* codec, const opj_image_t& header, int minimumSide) {
    opj_codestream_info_v2_t* info = opj_get_cstr_info(codec);
    if (!info) return;
    int levels = 32;
    if (info->m_default_tile_info.tccp_info)
        for (OPJ_UINT32 i = 0; i < info->nbcomps; ++i)
            levels = std::min(levels, int(info->m_default_tile_info.tccp_info[i].numresolutions) - 1);
    opj_destroy_cstr_info(&info);
    const auto [width, height] = largestComponent(header);
    const std::int64_t larger = std::max(width, height);
    int reduce = 0;
    while (reduce < levels && ((larger + (std::int64_t(1) << (reduce + 1)) - 1) >> (reduce + 1)) >= minimumSide) ++reduce;
    if (reduce > 0) opj_set_decoded_resolution_factor(codec, OPJ_UINT32(reduce));
}

Image decodeJpeg2000(std::span<const std::uint8_t> data, OPJ_CODEC_FORMAT kind, const ReadHints& hints) {
    MemoryReader source{data};
    Stream stream(opj_stream_create(1 << 16, OPJ_TRUE));
    opj_stream_set_user_data(stream.get(), &source, nullptr);
    opj_stream_set_user_data_length(stream.get(), data.size());
    opj_stream_set_read_function(stream.get(), readStream);
    opj_stream_set_skip_function(stream.get(), skipRead);
    opj_stream_set_seek_function(stream.get(), seekRead);
    Codec codec(opj_create_decompress(kind));
    std::string error;
    routeMessages(codec.get(), error);
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    if (!opj_setup_decoder(codec.get(), &parameters)) throw Error("cannot start the JPEG 2000 decoder");
    opj_image_t* header = nullptr;
    if (!opj_read_header(stream.get(), codec.get(), &header)) {
        opj_image_destroy(header);
        throw Error(error.empty() ? "damaged JPEG 2000 header" : "damaged JPEG 2000 header: " + error);
    }
    OpjImage decoded(header);
    // The picture is as large as its largest component: a reference grid
    // whose every component is subsampled alike holds a smaller picture.
    if (decoded->numcomps == 0) throw Error("JPEG 2000 picture without components");
    checkSize(largestComponent(*decoded).first, largestComponent(*decoded).second, "JPEG 2000 header");
    if (hints.minimumSide > 0) reduceForThumbnail(codec.get(), *decoded, hints.minimumSide);
    if (!opj_decode(codec.get(), stream.get(), decoded.get()) || !opj_end_decompress(codec.get(), stream.get()))
        throw Error(error.empty() ? "damaged JPEG 2000 data" : "damaged JPEG 2000 data: " + error);
    const auto [width, height] = largestComponent(*decoded);
    for (OPJ_UINT32 i = 0; i < decoded->numcomps; ++i)
        if (!decoded->comps[i].data || decoded->comps[i].w == 0 || decoded->comps[i].h == 0 ||
            decoded->comps[i].dx == 0 || decoded->comps[i].dy == 0)
            throw Error("JPEG 2000 data without samples");

    const bool colour = decoded->numcomps >= 3;
    const OPJ_UINT32 colourCount = colour ? 3 : 1;
    const bool withAlpha = decoded->numcomps > colourCount;
    Channel channels[4];
    for (OPJ_UINT32 i = 0; i < std::min<OPJ_UINT32>(decoded->numcomps, 4); ++i) channels[i] = channelOf(decoded->comps[i], int(width), int(height));
    const Channel& alphaChannel = channels[colourCount];
    Image image(static_cast<int>(width), static_cast<int>(height));
    if (withAlpha) image.ensureAlpha();
    const bool ycc = colour && (decoded->color_space == OPJ_CLRSPC_SYCC || decoded->color_space == OPJ_CLRSPC_EYCC);
    for (int y = 0; y < height; ++y) {
        Rgb* out = image.row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t r = channels[0].at(x, y);
            if (ycc) out[x] = yccToRgb(r, channels[1].at(x, y), channels[2].at(x, y));
            else out[x] = colour ? Rgb{r, channels[1].at(x, y), channels[2].at(x, y)} : Rgb{r, r, r};
            if (withAlpha) image.alphaRow(y)[x] = alphaChannel.at(x, y);
        }
    }
    return image;
}

Image decodeJp2(std::span<const std::uint8_t> data, const ReadHints& hints) {
    if (!sniffJp2(data)) throw Error("not a JPEG 2000 file");
    return decodeJpeg2000(data, OPJ_CODEC_JP2, hints);
}

Image decodeJ2k(std::span<const std::uint8_t> data, const ReadHints& hints) {
    if (!sniffJ2k(data)) throw Error("not a JPEG 2000 code stream");
    return decodeJpeg2000(data, OPJ_CODEC_J2K, hints);
}

std::vector<std::uint8_t> encodeJpeg2000(const Image& image, const SaveOptions& options, OPJ_CODEC_FORMAT kind) {
    opj_image_cmptparm_t components[3];
    std::memset(components, 0, sizeof components);
    for (auto& c : components) {
        c.dx = c.dy = 1;
        c.w = OPJ_UINT32(image.width());
        c.h = OPJ_UINT32(image.height());
        c.prec = 8;
    }
    OpjImage picture(opj_image_create(3, components, OPJ_CLRSPC_SRGB));
    if (!picture) throw Error("not enough memory to write the JPEG 2000 file");
    picture->x1 = OPJ_UINT32(image.width());
    picture->y1 = OPJ_UINT32(image.height());
    for (int y = 0; y < image.height(); ++y) {
        const Rgb* row = image.row(y);
        const std::size_t base = std::size_t(y) * image.width();
        for (int x = 0; x < image.width(); ++x) {
            picture->comps[0].data[base + x] = row[x].r;
            picture->comps[1].data[base + x] = row[x].g;
            picture->comps[2].data[base + x] = row[x].b;
        }
    }
    opj_cparameters_t parameters;
    opj_set_default_encoder_parameters(&parameters);
    parameters.tcp_numlayers = 1;
    parameters.cp_disto_alloc = 1;
    parameters.tcp_mct = 1;
    // A rate above 1 is a compression ratio (irreversible wavelet);
    // otherwise the reversible wavelet keeps every pixel.
    const bool lossy = options.jpeg2000Rate > 1;
    parameters.tcp_rates[0] = lossy ? float(options.jpeg2000Rate) : 0;
    parameters.irreversible = lossy ? 1 : 0;
    // Each resolution level halves the picture; tiny pictures allow fewer.
    const int smaller = std::min(image.width(), image.height());
    parameters.numresolution = std::clamp(int(std::floor(std::log2(double(smaller)))) + 1, 1, 6);
    Codec codec(opj_create_compress(kind));
    std::string error;
    routeMessages(codec.get(), error);
    if (!opj_setup_encoder(codec.get(), &parameters, picture.get())) throw Error("cannot start the JPEG 2000 encoder");
    MemoryWriter sink;
    Stream stream(opj_stream_create(1 << 16, OPJ_FALSE));
    opj_stream_set_user_data(stream.get(), &sink, nullptr);
    opj_stream_set_write_function(stream.get(), writeStream);
    opj_stream_set_skip_function(stream.get(), skipWrite);
    opj_stream_set_seek_function(stream.get(), seekWrite);
    if (!opj_start_compress(codec.get(), picture.get(), stream.get()) || !opj_encode(codec.get(), stream.get()) ||
        !opj_end_compress(codec.get(), stream.get()))
        throw Error(error.empty() ? "cannot encode JPEG 2000" : "cannot encode JPEG 2000: " + error);
    stream.reset();  // flushes what the stream still buffers
    return std::move(sink.bytes);
}

std::vector<std::uint8_t> encodeJp2(const Image& image, const SaveOptions& options) {
    return encodeJpeg2000(image, options, OPJ_CODEC_JP2);
}

std::vector<std::uint8_t> encodeJ2k(const Image& image, const SaveOptions& options) {
    return encodeJpeg2000(image, options, OPJ_CODEC_J2K);
}

}  // namespace

Format jp2Format() {
    Format f;
    f.name = "JPEG 2000";
    f.extensions = {"jp2"};
    f.sniff = sniffJp2;
    f.decode = decodeJp2;
    f.encode = encodeJp2;
    return f;
}

Format j2kFormat() {
    Format f;
    f.name = "JPEG 2000 code stream";
    f.extensions = {"j2k", "jpc", "j2c"};
    f.sniff = sniffJ2k;
    f.decode = decodeJ2k;
    f.encode = encodeJ2k;
    return f;
}

}  // namespace qm::codecs
