#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <memory>
#include <string>

#include "codecs/formats.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

bool sniffJpeg(std::span<const std::uint8_t> head) {
    return head.size() >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
}

// libjpeg's error manager extended with a jump back into our frame and the
// message to report once there.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// A file that ends early is refused rather than shown half grey; other
// warnings (stray bytes between markers) leave a usable picture.
void onJpegMessage(j_common_ptr cinfo, int level) {
    if (level == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
        std::snprintf(errors->message, sizeof errors->message, "truncated JPEG data");
        std::longjmp(errors->jump, 1);
    }
}

// Real progressive files have about ten scans; thousands of tiny ones make
// a small file take minutes to decode.
constexpr int kMaxScans = 1000;

void limitScans(j_common_ptr cinfo) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (decompress->input_scan_number > kMaxScans) {
        auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
        std::snprintf(errors->message, sizeof errors->message, "damaged JPEG data: too many scans");
        std::longjmp(errors->jump, 1);
    }
}

void installErrors(jpeg_common_struct* cinfo, JpegErrors& errors) {
    cinfo->err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = onJpegError;
    errors.manager.emit_message = onJpegMessage;
    errors.message[0] = '\0';
}

// Largest libjpeg reduction whose larger side still reaches `minimumSide`.
int scaleDenominator(int width, int height, int minimumSide) {
    if (minimumSide <= 0) return 1;
    const int larger = std::max(width, height);
    for (int denominator : {8, 4, 2})
        if ((larger + denominator - 1) / denominator >= minimumSide) return denominator;
    return 1;
}

// Adobe writes CMYK inverted (as almost every CMYK JPEG is); black
// composition the way print previews show it.
void cmykRowToRgb(const JSAMPLE* in, Rgb* out, int width, bool inverted) {
    for (int x = 0; x < width; ++x, in += 4) {
        unsigned c = in[0], m = in[1], y = in[2], k = in[3];
        if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        out[x] = {std::uint8_t((c * k + 127) / 255), std::uint8_t((m * k + 127) / 255),
                  std::uint8_t((y * k + 127) / 255)};
    }
}

Image decodeJpeg(std::span<const std::uint8_t> data, const ReadHints& hints) {
    jpeg_decompress_struct cinfo;
    JpegErrors errors;
    Image image;
    std::unique_ptr<JSAMPLE[]> cmykRow;
    installErrors(reinterpret_cast<j_common_ptr>(&cinfo), errors);
    jpeg_create_decompress(&cinfo);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = limitScans;
    cinfo.progress = &progress;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        throw Error(errors.message[0] ? std::string(errors.message) : std::string("damaged JPEG data"));
    }
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (!sizeAllowed(cinfo.image_width, cinfo.image_height)) {
        const std::int64_t width = cinfo.image_width, height = cinfo.image_height;
        jpeg_destroy_decompress(&cinfo);
        checkSize(width, height, "JPEG header");
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    cinfo.scale_num = 1;
    cinfo.scale_denom = static_cast<unsigned>(scaleDenominator(int(cinfo.image_width), int(cinfo.image_height),
                                                               hints.minimumSide));
    jpeg_start_decompress(&cinfo);
    image = Image(int(cinfo.output_width), int(cinfo.output_height));
    if (cmyk) cmykRow.reset(new JSAMPLE[std::size_t(cinfo.output_width) * 4]);
    // Rows go straight into the picture, as many per call as the decoder
    // produces at once.
    JSAMPROW rows[16];
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        if (cmyk) {
            rows[0] = cmykRow.get();
            jpeg_read_scanlines(&cinfo, rows, 1);
            cmykRowToRgb(cmykRow.get(), image.row(y), image.width(), cinfo.saw_Adobe_marker);
            continue;
        }
        const int count = std::min<int>(16, int(cinfo.output_height) - y);
        for (int i = 0; i < count; ++i) rows[i] = reinterpret_cast<JSAMPROW>(image.row(y + i));
        jpeg_read_scanlines(&cinfo, rows, JDIMENSION(count));
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}

std::vector<std::uint8_t> encodeJpeg(const Image& image, const SaveOptions& options) {
    jpeg_compress_struct cinfo;
    JpegErrors errors;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    installErrors(reinterpret_cast<j_common_ptr>(&cinfo), errors);
    jpeg_create_compress(&cinfo);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw Error(errors.message[0] ? std::string(errors.message) : std::string("cannot encode JPEG"));
    }
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(options.jpegQuality, 1, 100), TRUE);
    if (options.jpegProgressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(image.row(int(cinfo.next_scanline))));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

}  // namespace

Format jpegFormat() {
    Format f;
    f.name = "JPEG";
    f.extensions = {"jpg", "jpeg", "jpe"};
    f.sniff = sniffJpeg;
    f.decode = decodeJpeg;
    f.encode = encodeJpeg;
    return f;
}

}  // namespace qm::codecs
