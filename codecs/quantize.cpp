#include "codecs/quantize.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace qm::codecs {

namespace {

constexpr int kLevels = 32;  // histogram cells per channel (5 bits)

int cellOf(int r, int g, int b) { return (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3); }

struct Cell {
    std::uint32_t count = 0;
    std::uint64_t sumR = 0, sumG = 0, sumB = 0;
};

// A box of histogram cells; split along its longest side at the median of
// the pixel counts until there are enough boxes.
struct Box {
    std::vector<int> cells;
    std::uint64_t pixels = 0;
};

int channel(int cell, int c) { return (cell >> (10 - 5 * c)) & 31; }

int longestSide(const Box& box, int& extent) {
    std::array<int, 3> low{31, 31, 31}, high{0, 0, 0};
    for (int cell : box.cells)
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channel(cell, c));
            high[c] = std::max(high[c], channel(cell, c));
        }
    int best = 0;
    for (int c = 1; c < 3; ++c)
        if (high[c] - low[c] > high[best] - low[best]) best = c;
    extent = high[best] - low[best];
    return best;
}

std::vector<Rgb> medianCut(const std::vector<Cell>& histogram, int maxColours) {
    Box all;
    for (int cell = 0; cell < kLevels * kLevels * kLevels; ++cell)
        if (histogram[cell].count) {
            all.cells.push_back(cell);
            all.pixels += histogram[cell].count;
        }
    std::vector<Box> boxes{all};
    while (int(boxes.size()) < maxColours) {
        // Split the box holding most pixels among those that can split.
        int chosen = -1;
        for (int i = 0; i < int(boxes.size()); ++i)
            if (boxes[i].cells.size() > 1 && (chosen < 0 || boxes[i].pixels > boxes[chosen].pixels)) chosen = i;
        if (chosen < 0) break;
        Box& box = boxes[chosen];
        int extent = 0;
        const int side = longestSide(box, extent);
        std::sort(box.cells.begin(), box.cells.end(),
                  [side](int a, int b) { return channel(a, side) < channel(b, side); });
        std::uint64_t seen = 0;
        std::size_t split = 0;
        while (split < box.cells.size() - 1 && seen + histogram[box.cells[split]].count <= box.pixels / 2)
            seen += histogram[box.cells[split++]].count;
        split = std::max<std::size_t>(split, 1);
        Box upper;
        upper.cells.assign(box.cells.begin() + std::ptrdiff_t(split), box.cells.end());
        box.cells.resize(split);
        box.pixels = 0;
        for (int cell : box.cells) box.pixels += histogram[cell].count;
        for (int cell : upper.cells) upper.pixels += histogram[cell].count;
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb> palette;
    for (const Box& box : boxes) {
        std::uint64_t r = 0, g = 0, b = 0, n = 0;
        for (int cell : box.cells) {
            r += histogram[cell].sumR, g += histogram[cell].sumG, b += histogram[cell].sumB;
            n += histogram[cell].count;
        }
        palette.push_back({std::uint8_t((r + n / 2) / n), std::uint8_t((g + n / 2) / n), std::uint8_t((b + n / 2) / n)});
    }
    return palette;
}

// Nearest palette entry, remembered per histogram cell of the wanted colour.
class NearestColour {
public:
    explicit NearestColour(const std::vector<Rgb>& palette) : palette_(palette), cache_(kLevels * kLevels * kLevels, -1) {}
    std::uint8_t operator()(int r, int g, int b) {
        int& cached = cache_[std::size_t(cellOf(r, g, b))];
        if (cached < 0) {
            // The cell's centre stands for all its colours.
            const int cr = (r & ~7) + 4, cg = (g & ~7) + 4, cb = (b & ~7) + 4;
            int best = 0, bestDistance = 1 << 30;
            for (int i = 0; i < int(palette_.size()); ++i) {
                const int dr = palette_[i].r - cr, dg = palette_[i].g - cg, db = palette_[i].b - cb;
                const int distance = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
                if (distance < bestDistance) bestDistance = distance, best = i;
            }
            cached = best;
        }
        return std::uint8_t(cached);
    }

private:
    const std::vector<Rgb>& palette_;
    std::vector<int> cache_;
};

bool exactPalette(const Image& image, int maxColours, IndexedImage& out) {
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    out.indices.resize(std::size_t(image.pixelCount()));
    std::size_t i = 0;
    for (int y = 0; y < image.height(); ++y)
        for (const Rgb* p = image.row(y); p != image.row(y) + image.width(); ++p) {
            const std::uint32_t key = std::uint32_t(p->r) << 16 | p->g << 8 | p->b;
            auto found = index.find(key);
            if (found == index.end()) {
                if (int(out.palette.size()) == maxColours) return false;
                found = index.emplace(key, std::uint8_t(out.palette.size())).first;
                out.palette.push_back(*p);
            }
            out.indices[i++] = found->second;
        }
    return true;
}

}  // namespace

IndexedImage quantize(const Image& image, int maxColours, bool dither) {
    maxColours = std::clamp(maxColours, 2, 256);
    IndexedImage out;
    if (exactPalette(image, maxColours, out)) return out;

    std::vector<Cell> histogram(kLevels * kLevels * kLevels);
    for (int y = 0; y < image.height(); ++y)
        for (const Rgb* p = image.row(y); p != image.row(y) + image.width(); ++p) {
            Cell& cell = histogram[std::size_t(cellOf(p->r, p->g, p->b))];
            ++cell.count;
            cell.sumR += p->r, cell.sumG += p->g, cell.sumB += p->b;
        }
    out.palette = medianCut(histogram, maxColours);
    NearestColour nearest(out.palette);
    const int width = image.width();
    // Errors carried to this row and the next, in 1/16 units, with a
    // margin of one pixel on each side.
    std::vector<std::array<int, 3>> current(std::size_t(width) + 2), next(std::size_t(width) + 2);
    for (int y = 0; y < image.height(); ++y) {
        std::fill(next.begin(), next.end(), std::array<int, 3>{0, 0, 0});
        const Rgb* row = image.row(y);
        for (int x = 0; x < width; ++x) {
            std::array<int, 3> wanted = {row[x].r, row[x].g, row[x].b};
            if (dither)
                for (int c = 0; c < 3; ++c) wanted[c] = std::clamp(wanted[c] + current[std::size_t(x) + 1][c] / 16, 0, 255);
            const std::uint8_t chosen = nearest(wanted[0], wanted[1], wanted[2]);
            out.indices[std::size_t(y) * width + x] = chosen;
            if (!dither) continue;
            const Rgb got = out.palette[chosen];
            const std::array<int, 3> error = {wanted[0] - got.r, wanted[1] - got.g, wanted[2] - got.b};
            for (int c = 0; c < 3; ++c) {
                current[std::size_t(x) + 2][c] += error[c] * 7;
                next[std::size_t(x)][c] += error[c] * 3;
                next[std::size_t(x) + 1][c] += error[c] * 5;
                next[std::size_t(x) + 2][c] += error[c];
            }
        }
        std::swap(current, next);
    }
    return out;
}

}  // namespace qm::codecs
