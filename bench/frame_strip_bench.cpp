// Choosing a style whose folder holds 500 patterns: the strip fills without
// reading a single picture, and showing it decodes only the entries in sight.
// Run offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <cstdlib>
#include <filesystem>

#include "codecs/registry.h"
#include "frame/frame_page.h"
#include "widgets/thumbnail_strip.h"

namespace fs = std::filesystem;

namespace {

const fs::path& dataWith500Patterns() {
    static const fs::path data = [] {
        const fs::path root = fs::temp_directory_path() / "qm-frame-strip-bench" / "data";
        const fs::path user = root / "frame" / "user";
        fs::create_directories(user);
        qm::Image pattern(300, 44);
        for (int y = 0; y < pattern.height(); ++y)
            for (int x = 0; x < pattern.width(); ++x) pattern.at(x, y) = {std::uint8_t(x), std::uint8_t(5 * y), 60};
        const fs::path first = user / "pattern1.png";
        qm::codecs::writeImage(pattern, first);
        for (int i = 2; i <= 500; ++i)
            fs::copy_file(first, user / ("pattern" + std::to_string(i) + ".png"), fs::copy_options::overwrite_existing);
        return root;
    }();
    return data;
}

void ChooseStyleWith500Patterns(benchmark::State& state) {
    qm::FramePage page(dataWith500Patterns());
    page.resize(273, 430);
    QPixmap target(page.FrameMView->viewport()->size());
    const int userStyle = page.FrameComboBox->count() - 1;
    int entries = 0;
    for (auto _ : state) {
        page.FrameComboBox->setCurrentIndex(userStyle);  // fills the strip
        page.FrameMView->viewport()->render(&target);     // first sight: decodes what shows
        state.PauseTiming();
        entries = page.FrameMView->count();
        page.FrameComboBox->setCurrentIndex(0);
        state.ResumeTiming();
    }
    state.counters["entries"] = entries;
}
BENCHMARK(ChooseStyleWith500Patterns)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
