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

}  // namespace

void resampleFastLinear(const PlaneView& source, MutablePlane target) {
    const int ch = source.channels;
    // Rows first into an intermediate of the new width and the old height,
    // then the columns of that.
    std::vector<std::uint8_t> between(std::size_t(target.width) * std::size_t(source.height) * std::size_t(ch));
    const std::ptrdiff_t betweenRow = std::ptrdiff_t(target.width) * ch;
    const auto across = spansAlong(source.width, target.width);
    for (int y = 0; y < source.height; ++y)
        resampleLine(source.row(y), ch, between.data() + y * betweenRow, ch, across, target.width > source.width, ch);
    const auto down = spansAlong(source.height, target.height);
    for (int x = 0; x < target.width; ++x)
        resampleLine(between.data() + std::ptrdiff_t(x) * ch, betweenRow, target.data + std::ptrdiff_t(x) * ch,
                     betweenRow, down, target.height > source.height, ch);
}

}  // namespace qm
