#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <string>

#include "codecs/formats.h"
#include "codecs/memory_io.h"
#include "codecs/quantize.h"
#include "core/error.h"

namespace qm::codecs {

namespace {

bool sniffGif(std::span<const std::uint8_t> head) {
    return head.size() >= 6 && head[0] == 'G' && head[1] == 'I' && head[2] == 'F' && head[3] == '8' &&
           (head[4] == '7' || head[4] == '9') && head[5] == 'a';
}

int readFromMemory(GifFileType* gif, GifByteType* out, int count) {
    return int(static_cast<MemoryReader*>(gif->UserData)->read(out, std::size_t(count)));
}

int writeToMemory(GifFileType* gif, const GifByteType* in, int count) {
    static_cast<MemoryWriter*>(gif->UserData)->write(in, std::size_t(count));
    return count;
}

struct GifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};
using GifReader = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void failGif(const GifFileType* gif, const char* fallback) {
    const int code = gif ? gif->Error : 0;
    if (code == D_GIF_ERR_READ_FAILED || code == D_GIF_ERR_EOF_TOO_SOON) throw Error("truncated GIF data");
    const char* text = code ? GifErrorString(code) : nullptr;
    throw Error(text ? std::string("damaged GIF data: ") + text : std::string(fallback));
}

// The transparent colour index of the frame that follows a graphic
// control extension, or -1.
int readExtension(GifFileType* gif, int transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) failGif(gif, "damaged GIF extension");
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        GraphicsControlBlock control;
        DGifExtensionToGCB(block[0], block + 1, &control);
        transparent = control.TransparentColor;
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) failGif(gif, "damaged GIF extension");
    }
    return transparent;
}

// The first frame, drawn on the logical screen; what it leaves uncovered or
// marks transparent gets alpha 0.
Image readFirstFrame(GifFileType* gif, int transparent) {
    if (DGifGetImageDesc(gif) == GIF_ERROR) failGif(gif, "damaged GIF image header");
    const GifImageDesc& frame = gif->Image;
    checkSize(frame.Width, frame.Height, "GIF frame");
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map || map->ColorCount <= 0) throw Error("GIF frame without a colour table");
    const int screenWidth = std::max(gif->SWidth, frame.Left + frame.Width);
    const int screenHeight = std::max(gif->SHeight, frame.Top + frame.Height);
    checkSize(screenWidth, screenHeight, "GIF screen");
    Image image(screenWidth, screenHeight, {255, 255, 255});
    image.ensureAlpha(0);
    std::vector<GifPixelType> line(std::size_t(frame.Width));
    static const int kInterlaceStart[] = {0, 4, 2, 1}, kInterlaceStep[] = {8, 8, 4, 2};
    const int passes = frame.Interlace ? 4 : 1;
    bool anyTransparent = screenWidth != frame.Width || screenHeight != frame.Height;
    for (int pass = 0; pass < passes; ++pass) {
        const int start = frame.Interlace ? kInterlaceStart[pass] : 0, step = frame.Interlace ? kInterlaceStep[pass] : 1;
        for (int y = start; y < frame.Height; y += step) {
            if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) failGif(gif, "truncated GIF data");
            Rgb* out = image.row(frame.Top + y) + frame.Left;
            std::uint8_t* alpha = image.alphaRow(frame.Top + y) + frame.Left;
            for (int x = 0; x < frame.Width; ++x) {
                const int index = line[std::size_t(x)];
                if (index == transparent) {
                    anyTransparent = true;
                    continue;
                }
                // Indices past the table's end show as black, as in browsers.
                const GifColorType c = index < map->ColorCount ? map->Colors[index] : GifColorType{0, 0, 0};
                out[x] = {c.Red, c.Green, c.Blue};
                alpha[x] = 255;
            }
        }
    }
    if (!anyTransparent) image.dropAlpha();
    return image;
}

Image decodeGif(std::span<const std::uint8_t> data, const ReadHints&) {
    if (!sniffGif(data)) throw Error("not a GIF file");
    MemoryReader source{data};
    int error = 0;
    GifReader gif(DGifOpen(&source, readFromMemory, &error));
    if (!gif) throw Error(error == D_GIF_ERR_READ_FAILED ? "truncated GIF data" : "not a readable GIF file");
    int transparent = -1;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) failGif(gif.get(), "damaged GIF data");
        if (record == EXTENSION_RECORD_TYPE) transparent = readExtension(gif.get(), transparent);
        else if (record == IMAGE_DESC_RECORD_TYPE) return readFirstFrame(gif.get(), transparent);
        else if (record == TERMINATE_RECORD_TYPE) throw Error("GIF file without a picture");
    }
}

int paletteBits(std::size_t colours) {
    int bits = 1;
    while ((std::size_t(1) << bits) < colours) ++bits;
    return bits;
}

std::vector<std::uint8_t> encodeGif(const Image& image, const SaveOptions& options) {
    const IndexedImage indexed = quantize(image, 256, options.gifDither);
    const int bits = paletteBits(indexed.palette.size());
    std::vector<GifColorType> colours(std::size_t(1) << bits, GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < indexed.palette.size(); ++i)
        colours[i] = {indexed.palette[i].r, indexed.palette[i].g, indexed.palette[i].b};
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.data());
    if (!map) throw Error("not enough memory to write the GIF file");
    MemoryWriter sink;
    int error = 0;
    GifFileType* gif = EGifOpen(&sink, writeToMemory, &error);
    if (!gif) {
        GifFreeMapObject(map);
        throw Error("cannot start a GIF file");
    }
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) != GIF_ERROR &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) != GIF_ERROR;
    for (int y = 0; ok && y < image.height(); ++y) {
        auto* row = const_cast<GifPixelType*>(indexed.indices.data() + std::size_t(y) * image.width());
        ok = EGifPutLine(gif, row, image.width()) != GIF_ERROR;
    }
    ok = EGifCloseFile(gif, &error) != GIF_ERROR && ok;
    GifFreeMapObject(map);
    if (!ok) throw Error("cannot encode GIF");
    return std::move(sink.bytes);
}

}  // namespace

Format gifFormat() {
    Format f;
    f.name = "GIF";
    f.extensions = {"gif"};
    f.sniff = sniffGif;
    f.decode = decodeGif;
    f.encode = encodeGif;
    return f;
}

}  // namespace qm::codecs
