// JPEG decoding and encoding of a 6000 x 4000 picture through the codec
// registry, in megapixels per second. QUILLMOUNT_BENCH_JPEG names a file to
// decode instead of the generated picture (compare_peers.sh passes the one
// it gives djpeg).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "bench/bench_picture.h"
#include "codecs/registry.h"

namespace qm::bench {
namespace {

const codecs::Format& jpeg() { return *codecs::formatForExtension("jpg"); }

const Image& picture() {
    static const Image image = photoLike(6000, 4000);
    return image;
}

std::vector<std::uint8_t> fileToDecode() {
    if (const char* path = std::getenv("QUILLMOUNT_BENCH_JPEG")) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    return jpeg().encode(picture(), {});
}

void BM_JpegDecode(benchmark::State& state) {
    const std::vector<std::uint8_t> file = fileToDecode();
    std::int64_t pixels = 0;
    for (auto _ : state) {
        const Image image = jpeg().decode(file, {});
        pixels = image.pixelCount();
        benchmark::DoNotOptimize(image.data());
    }
    countMegapixels(state, pixels);
}
BENCHMARK(BM_JpegDecode)->Unit(benchmark::kMillisecond);

void BM_JpegEncode(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(jpeg().encode(picture(), {}));
    countMegapixels(state, picture().pixelCount());
}
BENCHMARK(BM_JpegEncode)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qm::bench
