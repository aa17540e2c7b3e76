// Framing a large photograph with a 40-pixel pattern, inside and outside, as
// Apply does it (the working image is copied, then framed).
#include <benchmark/benchmark.h>

#include "frame/frame_builder.h"

namespace {

const qm::Image& photo() {
    static const qm::Image picture = [] {
        qm::Image p(6000, 4000);
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) p.at(x, y) = {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)};
        return p;
    }();
    return picture;
}

const qm::Image& pattern() {
    static const qm::Image strip = [] {
        qm::Image p(240, 40);
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x) p.at(x, y) = {std::uint8_t(3 * x), std::uint8_t(6 * y), 90};
        return p;
    }();
    return strip;
}

void frame(benchmark::State& state, qm::FramePosition position) {
    qm::FrameOptions options;
    options.position = position;
    photo();
    for (auto _ : state) {
        qm::Image framed = qm::buildFrame(photo(), pattern(), options);
        benchmark::DoNotOptimize(framed.data());
    }
}

void BM_FrameInside6000x4000(benchmark::State& state) { frame(state, qm::FramePosition::Inside); }
void BM_FrameOutside6000x4000(benchmark::State& state) { frame(state, qm::FramePosition::Outside); }

}  // namespace

BENCHMARK(BM_FrameInside6000x4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameOutside6000x4000)->Unit(benchmark::kMillisecond);
