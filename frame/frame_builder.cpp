#include "frame/frame_builder.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <limits>

#include "core/compose.h"
#include "core/draw.h"
#include "core/error.h"
#include "core/resample.h"
#include "core/transform.h"

namespace qm {

namespace {

std::optional<int> parseDecimal(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < -std::numeric_limits<int>::max() || value > std::numeric_limits<int>::max()) return std::nullopt;
    return int(value);
}

// The four pictures the frame is tiled from, and its geometry. Each pixel of
// the frame shows one of two layers: the sides (left, then right over it)
// or the top and bottom (top, then bottom over it), as the mitre decides.
// Each edge is laid from its start with trunc(edge / L) + 1 tiles, which
// covers it whole, so the tile under position p is p / L and the pixel
// within it p % L: rows are written straight from the pattern instead of
// drawing whole layers and merging them.
class FrameLayers {
public:
    FrameLayers(const Image& pattern, int frameWidth, int frameHeight)
        : top_(pattern),
          bottom_(rotate(pattern, 180)),
          left_(rotate(pattern, 90)),  // outer edge in its left column
          right_(rotate(left_, 180)),  // outer edge in its right column
          t_(pattern.height()),
          length_(pattern.width()),
          cw_(frameWidth),
          ch_(frameHeight),
          w_(std::min({t_, cw_, ch_})) {}

    // Writes row y of the frame into `row`, but only the columns the frame
    // shows: every column in the top and bottom rows, the side columns in
    // between. The rest of `row` is left for the picture.
    void writeRow(int y, Rgb* row) const {
        if (y >= t_ && y < ch_ - t_) {
            // Between the top and bottom strips only the sides show.
            writeSides(y, row, t_);
            return;
        }
        writeTopOrBottom(y, row);
        if (y >= w_ && y < ch_ - w_) {
            writeSides(y, row, w_);  // the bands beside the corner squares
            return;
        }
        const int leftEnd = std::min(w_, cw_);
        for (int x = 0; x < leftEnd; ++x)
            if (mitreShowsSide(x, y)) row[x] = sidePixel(x, y);
        for (int x = std::max(leftEnd, cw_ - w_); x < cw_; ++x)
            if (mitreShowsSide(x, y)) row[x] = sidePixel(x, y);
    }

private:
    void writeTopOrBottom(int y, Rgb* row) const {
        const bool bottom = y >= ch_ - t_;  // drawn last, so it wins
        const Rgb* source = bottom ? bottom_.row(y - (ch_ - t_)) : top_.row(y);
        for (int x = 0; x < cw_; x += length_)
            std::memcpy(row + x, source, std::size_t(std::min(length_, cw_ - x)) * sizeof(Rgb));
    }

    // The side layer in columns [0, width) and [CW - width, CW).
    void writeSides(int y, Rgb* row, int width) const {
        const int leftEnd = std::min(width, cw_);
        const int rightStart = std::max(leftEnd, cw_ - width);
        copySides(y, row, 0, leftEnd);
        copySides(y, row, rightStart, cw_);
    }

    // Columns [from, to) of the side layer: the right strip, drawn last,
    // owns the columns from CW - t on, the left strip those before.
    void copySides(int y, Rgb* row, int from, int to) const {
        const int tileRow = y % length_;
        const int split = std::clamp(cw_ - t_, from, to);
        if (split > from) std::memcpy(row + from, left_.row(tileRow) + from, std::size_t(split - from) * sizeof(Rgb));
        if (to > split)
            std::memcpy(row + split, right_.row(tileRow) + (split - (cw_ - t_)), std::size_t(to - split) * sizeof(Rgb));
    }

    Rgb sidePixel(int x, int y) const {
        const int tileRow = y % length_;
        if (x >= cw_ - t_) return right_.row(tileRow)[x - (cw_ - t_)];
        return left_.row(tileRow)[x];
    }

    // Inside a corner square: the mitre writes, for i and j from 0 to w - 1,
    // i outer, j inner, the four pixels (i, j), (i, CH-1-j), (CW-1-i, j) and
    // (CW-1-i, CH-1-j) in turn, the side showing where i < j. Where squares
    // overlap, the last of those writes decides.
    bool mitreShowsSide(int x, int y) const {
        long long lastWrite = -1;
        bool side = false;
        const auto consider = [&](int i, int j, int corner) {
            if (i < 0 || i >= w_ || j < 0 || j >= w_) return;
            const long long order = (static_cast<long long>(i) * w_ + j) * 4 + corner;
            if (order > lastWrite) {
                lastWrite = order;
                side = i < j;
            }
        };
        consider(x, y, 0);
        consider(x, ch_ - 1 - y, 1);
        consider(cw_ - 1 - x, y, 2);
        consider(cw_ - 1 - x, ch_ - 1 - y, 3);
        return side;
    }

    Image top_, bottom_, left_, right_;
    int t_, length_, cw_, ch_, w_;
};

}  // namespace

int requestedThickness(std::string_view text, int patternHeight) {
    const auto value = parseDecimal(text);
    if (!value || *value == 0 || *value == -1) return patternHeight;
    return *value < 0 ? -*value : *value;
}

Image preparePattern(const Image& pattern, const FrameOptions& options) {
    if (pattern.empty()) throw Error("The frame pattern is an empty picture.");
    Image prepared = pattern;
    prepared.dropAlpha();  // patterns are drawn opaque
    if (options.customThickness) {
        const int thickness = requestedThickness(*options.customThickness, prepared.height());
        checkSize(prepared.width(), thickness, "frame pattern");
        prepared = resample(prepared, prepared.width(), thickness, ResampleFilter::Triangle);
    }
    if (options.rotate180) prepared = rotate(prepared, 180);
    return prepared;
}

Image buildFrame(const Image& picture, const Image& pattern, const FrameOptions& options, Rgb background) {
    if (picture.empty()) throw Error("There is no picture to frame.");
    const Image prepared = preparePattern(pattern, options);
    const int t = prepared.height();

    Image framed;
    if (options.position == FramePosition::Inside) {
        framed = picture;
        removeAlpha(framed, background);
    } else {
        const std::int64_t width = std::int64_t(picture.width()) + 2 * std::int64_t(t);
        const std::int64_t height = std::int64_t(picture.height()) + 2 * std::int64_t(t);
        checkSize(width, height, "framed picture");
        framed = Image(int(width), int(height));
        drawImage(framed, picture, t, t);
    }

    const FrameLayers layers(prepared, framed.width(), framed.height());
    for (int y = 0; y < framed.height(); ++y) layers.writeRow(y, framed.row(y));
    return framed;
}

}  // namespace qm
