#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/image.h"

namespace qm::bench {

// A picture that compresses and filters like a photograph rather than a
// flat fill: smooth gradients with a little noise.
inline Image photoLike(int width, int height) {
    Image image(width, height);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        Rgb* row = image.row(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 28) - 8;
            const auto clamp = [](int v) { return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); };
            row[x] = {clamp(x * 255 / width + grain), clamp(y * 255 / height + grain),
                      clamp(((x + y) & 255) / 2 + 64 + grain)};
        }
    }
    return image;
}

inline void countMegapixels(benchmark::State& state, std::int64_t pixelsPerIteration) {
    state.counters["MP/s"] =
        benchmark::Counter(double(pixelsPerIteration) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

}  // namespace qm::bench
