#include "core/transform.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/error.h"

namespace qm {
namespace {

// Quarter turns are transposes with a reversed axis. Walking the source in
// square tiles keeps both the rows read and the rows written in cache, which
// a plain row-by-row walk of a large picture does not.
constexpr int kTile = 64;

// Output pixel (nx, ny) of a quarter turn takes source pixel
//   counter-clockwise: (w - 1 - ny, nx)     clockwise: (ny, h - 1 - nx)
template <typename Pixel>
void quarterTurn(const Pixel* in, int w, int h, Pixel* out, bool counterClockwise) {
    const int outWidth = h;
    for (int ty = 0; ty < w; ty += kTile) {           // output rows
        const int tyEnd = std::min(ty + kTile, w);
        for (int tx = 0; tx < h; tx += kTile) {       // output columns
            const int txEnd = std::min(tx + kTile, h);
            for (int ny = ty; ny < tyEnd; ++ny) {
                Pixel* o = out + std::ptrdiff_t(ny) * outWidth;
                if (counterClockwise) {
                    const Pixel* column = in + (w - 1 - ny);
                    for (int nx = tx; nx < txEnd; ++nx) o[nx] = column[std::ptrdiff_t(nx) * w];
                } else {
                    const Pixel* column = in + ny;
                    for (int nx = tx; nx < txEnd; ++nx) o[nx] = column[std::ptrdiff_t(h - 1 - nx) * w];
                }
            }
        }
    }
}

template <typename Pixel>
void reverseCopy(const Pixel* in, std::size_t count, Pixel* out) {
    for (std::size_t i = 0; i < count; ++i) out[i] = in[count - 1 - i];
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
