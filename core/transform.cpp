#include "core/transform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/error.h"

namespace qm {
namespace {

// Quarter turns are transposes with a reversed axis. Walking the picture in
// tiles keeps both the rows read and the rows written in cache, which a
// plain row-by-row walk of a large picture does not. Tall tiles measured
// best: many output rows share the source rows that one tile reads.
constexpr int kTileRows = 256, kTileColumns = 64;

// Moves one pixel. Wide moves copy four bytes, the fourth landing on the
// next output pixel, which is written after it; they must not read past the
// source or write past the output row.
template <typename Pixel, bool Wide>
void movePixel(const Pixel* from, Pixel* to) {
    if constexpr (Wide && sizeof(Pixel) == 3) {
        std::uint32_t bytes;
        std::memcpy(&bytes, reinterpret_cast<const std::uint8_t*>(from), 4);
        std::memcpy(reinterpret_cast<std::uint8_t*>(to), &bytes, 4);
    } else {
        *to = *from;
    }
}

template <typename Pixel, bool Wide>
void turnTile(const Pixel* in, int w, int h, Pixel* out, bool counterClockwise, int ty, int tyEnd, int tx,
              int txEnd) {
    // Output pixel (nx, ny) takes source pixel
    //   counter-clockwise: (w - 1 - ny, nx)     clockwise: (ny, h - 1 - nx)
    for (int ny = ty; ny < tyEnd; ++ny) {
        Pixel* o = out + std::ptrdiff_t(ny) * h;
        if (counterClockwise) {
            const Pixel* column = in + (w - 1 - ny);
            for (int nx = tx; nx < txEnd; ++nx) movePixel<Pixel, Wide>(column + std::ptrdiff_t(nx) * w, o + nx);
        } else {
            const Pixel* column = in + ny;
            for (int nx = tx; nx < txEnd; ++nx)
                movePixel<Pixel, Wide>(column + std::ptrdiff_t(h - 1 - nx) * w, o + nx);
        }
    }
}

template <typename Pixel>
void quarterTurn(const Pixel* in, int w, int h, Pixel* out, bool counterClockwise) {
    for (int ty = 0; ty < w; ty += kTileRows) {       // output rows
        const int tyEnd = std::min(ty + kTileRows, w);
        for (int tx = 0; tx < h; tx += kTileColumns) {  // output columns
            const int txEnd = std::min(tx + kTileColumns, h);
            // The last source pixel, read wide, would overrun the picture;
            // the last output column, written wide, the output row.
            const bool readsLastPixel = counterClockwise ? ty == 0 && txEnd == h : tyEnd == w && tx == 0;
            if (txEnd == h || readsLastPixel)
                turnTile<Pixel, false>(in, w, h, out, counterClockwise, ty, tyEnd, tx, txEnd);
            else
                turnTile<Pixel, true>(in, w, h, out, counterClockwise, ty, tyEnd, tx, txEnd);
        }
    }
}

// out[i] = in[count - 1 - i]. The first and the last pixel are moved
// narrow: a wide move of either would read past `in` or write past `out`.
template <typename Pixel>
void reverseCopy(const Pixel* in, std::size_t count, Pixel* out) {
    if (count == 0) return;
    movePixel<Pixel, false>(in + count - 1, out);
    for (std::size_t i = 1; i + 1 < count; ++i) movePixel<Pixel, true>(in + count - 1 - i, out + i);
    if (count > 1) movePixel<Pixel, false>(in, out + count - 1);
}

}  // namespace

Image rotate(const Image& image, int degrees) {
    const int turn = ((degrees % 360) + 360) % 360;
    if (turn % 90 != 0) throw Error("rotation by " + std::to_string(degrees) + " degrees is not a quarter turn");
    if (turn == 0 || image.empty()) return image;
    const int w = image.width(), h = image.height();
    if (turn == 180) {
        Image out(w, h);
        reverseCopy(image.data(), std::size_t(image.pixelCount()), out.data());
        if (image.hasAlpha()) {
            out.ensureAlpha();
            reverseCopy(image.alphaData(), std::size_t(image.pixelCount()), out.alphaData());
        }
        return out;
    }
    Image out(h, w);
    quarterTurn(image.data(), w, h, out.data(), turn == 90);
    if (image.hasAlpha()) {
        out.ensureAlpha();
        quarterTurn(image.alphaData(), w, h, out.alphaData(), turn == 90);
    }
    return out;
}

void flip(Image& image, FlipDirection direction) {
    const int w = image.width(), h = image.height();
    if (image.empty()) return;
    if (direction == FlipDirection::Horizontal) {
        std::vector<Rgb> line(static_cast<std::size_t>(w));
        std::vector<std::uint8_t> alphaLine(image.hasAlpha() ? std::size_t(w) : 0);
        for (int y = 0; y < h; ++y) {
            std::copy_n(image.row(y), w, line.data());
            reverseCopy(line.data(), line.size(), image.row(y));
            if (image.hasAlpha()) {
                std::copy_n(image.alphaRow(y), w, alphaLine.data());
                reverseCopy(alphaLine.data(), alphaLine.size(), image.alphaRow(y));
            }
        }
        return;
    }
    const std::size_t rowBytes = std::size_t(w) * sizeof(Rgb);
    std::vector<std::uint8_t> spare(rowBytes);
    const auto swapRows = [&](void* a, void* b, std::size_t bytes) {
        std::memcpy(spare.data(), a, bytes);
        std::memcpy(a, b, bytes);
        std::memcpy(b, spare.data(), bytes);
    };
    for (int y = 0; y < h / 2; ++y) {
        swapRows(image.row(y), image.row(h - 1 - y), rowBytes);
        if (image.hasAlpha()) swapRows(image.alphaRow(y), image.alphaRow(h - 1 - y), std::size_t(w));
    }
}

void negative(Image& image) {
    auto* bytes = reinterpret_cast<std::uint8_t*>(image.data());
    const std::size_t count = std::size_t(image.pixelCount()) * sizeof(Rgb);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = std::uint8_t(255 - bytes[i]);
}

}  // namespace qm
