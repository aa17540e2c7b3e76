// The fixed-point linear filter that the mask build depends on. Samples are
// aligned at their top-left corners (output j sits at source j * n / m);
// growing interpolates between two neighbours with the fraction cut to
// 1/131072, shrinking takes the truncated mean of the samples the output
// sample spans, the first sample of the next span included.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/resample_internal.h"

namespace qm {
namespace {

constexpr int kFractionBits = 17;  // 1/131072

struct Span {
    int first, second;  // growing: the two neighbours; shrinking: first..second inclusive
    int fraction;       // growing only: weight of `second` in 1/131072
};

std::vector<Span> spansAlong(int n, int m) {
    std::vector<Span> spans(static_cast<std::size_t>(m));
    for (int j = 0; j < m; ++j) {
        const std::int64_t position = std::int64_t(j) * n;
        const int first = int(position / m);
        if (m > n) {
            const int fraction = int((position % m << kFractionBits) / m);
            spans[std::size_t(j)] = {first, std::min(first + 1, n - 1), fraction};
        } else {
            const int last = int(std::int64_t(std::min(j + 1, m - 1)) * n / m);
            spans[std::size_t(j)] = {first, last, 0};
        }
    }
    return spans;
}

// One line of samples, `stride` apart, `channels` per pixel.
void resampleLine(const std::uint8_t* in, std::ptrdiff_t inStride, std::uint8_t* out, std::ptrdiff_t outStride,
                  const std::vector<Span>& spans, bool grow, int channels) {
    for (std::size_t j = 0; j < spans.size(); ++j) {
        const Span& span = spans[j];
        for (int c = 0; c < channels; ++c) {
            const std::uint8_t* at = in + c;
            int value;
            if (grow) {
                value = (at[span.first * inStride] * ((1 << kFractionBits) - span.fraction) +
                         at[span.second * inStride] * span.fraction) >> kFractionBits;
            } else {
                int sum = 0;
                for (int i = span.first; i <= span.second; ++i) sum += at[i * inStride];
                value = sum / (span.second - span.first + 1);
            }
            out[std::ptrdiff_t(j) * outStride + c] = std::uint8_t(value);
        }
    }
}

// The column pass, a whole row at a time, which keeps the memory access
// sequential: each output row blends two rows (growing) or averages a run
// of rows (shrinking).
void resampleColumns(const std::uint8_t* in, std::size_t rowBytes, std::uint8_t* out, const std::vector<Span>& spans,
                     bool grow) {
    std::vector<std::uint32_t> sums(grow ? 0 : rowBytes);
    for (std::size_t j = 0; j < spans.size(); ++j) {
        const Span& span = spans[j];
        std::uint8_t* line = out + j * rowBytes;
        if (grow) {
            const std::uint8_t* a = in + std::size_t(span.first) * rowBytes;
            const std::uint8_t* b = in + std::size_t(span.second) * rowBytes;
            const std::uint32_t wb = std::uint32_t(span.fraction), wa = (1u << kFractionBits) - wb;
            for (std::size_t x = 0; x < rowBytes; ++x) line[x] = std::uint8_t((a[x] * wa + b[x] * wb) >> kFractionBits);
            continue;
        }
        std::fill(sums.begin(), sums.end(), 0);
        for (int i = span.first; i <= span.second; ++i) {
            const std::uint8_t* row = in + std::size_t(i) * rowBytes;
            for (std::size_t x = 0; x < rowBytes; ++x) sums[x] += row[x];
        }
        const std::uint32_t count = std::uint32_t(span.second - span.first + 1);
        for (std::size_t x = 0; x < rowBytes; ++x) line[x] = std::uint8_t(sums[x] / count);
    }
}

}  // namespace

void resampleFastLinear(const PlaneView& source, MutablePlane target) {
    const int ch = source.channels;
    // Rows first into an intermediate of the new width and the old height,
    // then the columns of that.
    const std::size_t rowBytes = std::size_t(target.width) * std::size_t(ch);
    std::vector<std::uint8_t> between(rowBytes * std::size_t(source.height));
    const auto across = spansAlong(source.width, target.width);
    for (int y = 0; y < source.height; ++y)
        resampleLine(source.row(y), ch, between.data() + std::size_t(y) * rowBytes, ch, across,
                     target.width > source.width, ch);
    resampleColumns(between.data(), rowBytes, target.data, spansAlong(source.height, target.height),
                    target.height > source.height);
}

}  // namespace qm
