// The soft drop shadow on a large photograph: the whole operation, and the
// blur on its own.
#include <vector>

#include "bench/bench_picture.h"
#include "core/compose.h"
#include "tools/soft_shadow.h"

namespace qm::bench {
namespace {

constexpr int kWidth = 6000, kHeight = 4000;

void BM_ShadowOnSilver(benchmark::State& state) {
    const double radius = double(state.range(0));
    const Image picture = photoLike(kWidth, kHeight);
    for (auto _ : state) {
        Image shadowed = picture;
        addSoftShadow(shadowed, {radius, 3, 3, Rgb{0, 0, 0}});
        removeAlpha(shadowed, Rgb{192, 192, 192});
        benchmark::DoNotOptimize(shadowed.data());
    }
    countMegapixels(state, std::int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_ShadowOnSilver)->Arg(3)->Arg(25)->Unit(benchmark::kMillisecond);

void BM_BlurPlane(benchmark::State& state) {
    const double radius = double(state.range(0));
    std::vector<std::uint8_t> plane(std::size_t(kWidth) * kHeight);
    for (std::size_t i = 0; i < plane.size(); ++i) plane[i] = std::uint8_t((i * 2654435761u) >> 24);
    for (auto _ : state) {
        blurPlane(plane.data(), kWidth, kHeight, radius);
        benchmark::DoNotOptimize(plane.data());
    }
    countMegapixels(state, std::int64_t(kWidth) * kHeight);
}
BENCHMARK(BM_BlurPlane)->Arg(3)->Arg(25)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm::bench
