// Resampling and quarter turns of a 6000 x 4000 picture, in megapixels of
// the source per second.
#include <benchmark/benchmark.h>

#include "bench/bench_picture.h"
#include "core/resample.h"
#include "core/transform.h"

namespace qm::bench {
namespace {

const Image& picture() {
    static const Image image = photoLike(6000, 4000);
    return image;
}

void resampleTo(benchmark::State& state, ResampleFilter filter) {
    const int width = int(state.range(0)), height = int(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(resample(picture(), width, height, filter));
    countMegapixels(state, picture().pixelCount());
}

void BM_ResampleLanczos3(benchmark::State& state) { resampleTo(state, ResampleFilter::Lanczos3); }
BENCHMARK(BM_ResampleLanczos3)->Args({1500, 1000})->Args({12000, 8000})->Unit(benchmark::kMillisecond);

void BM_ResampleTriangle(benchmark::State& state) { resampleTo(state, ResampleFilter::Triangle); }
BENCHMARK(BM_ResampleTriangle)->Args({1500, 1000})->Unit(benchmark::kMillisecond);

void BM_ResampleFastLinear(benchmark::State& state) { resampleTo(state, ResampleFilter::FastLinear); }
BENCHMARK(BM_ResampleFastLinear)->Args({1500, 1000})->Unit(benchmark::kMillisecond);

void BM_Rotate(benchmark::State& state) {
    const int degrees = int(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(rotate(picture(), degrees));
    countMegapixels(state, picture().pixelCount());
}
BENCHMARK(BM_Rotate)->Arg(90)->Arg(-90)->Arg(180)->Unit(benchmark::kMillisecond);

void BM_Flip(benchmark::State& state) {
    Image image = picture();
    const auto direction = state.range(0) == 0 ? FlipDirection::Horizontal : FlipDirection::Vertical;
    for (auto _ : state) {
        flip(image, direction);
        benchmark::ClobberMemory();
    }
    countMegapixels(state, image.pixelCount());
}
BENCHMARK(BM_Flip)->ArgName("vertical")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm::bench
