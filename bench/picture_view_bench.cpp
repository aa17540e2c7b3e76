// How long the working view takes to paint a 40-megapixel picture, at the
// zooms a user scrolls and zooms through. Run offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QScrollBar>
#include <cstdlib>

#include "app/document.h"
#include "app/picture_view.h"

namespace {

qm::Document& bigDocument() {
    static qm::Document document = [] {
        qm::Document d;
        qm::Image picture(8000, 5000);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.at(x, y) = {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)};
        d.newPicture(std::move(picture), "big.png");
        return d;
    }();
    return document;
}

void PaintAtZoom(benchmark::State& state) {
    qm::Document& document = bigDocument();
    document.setZoom(double(state.range(0)));
    qm::PictureView view(document);
    view.resize(1280, 900);
    view.pictureChanged();
    QPixmap target(view.viewport()->size());
    int step = 0;
    for (auto _ : state) {
        // Scroll a little every frame, as dragging the scroll bar does.
        view.horizontalScrollBar()->setValue((step += 37) % std::max(1, view.horizontalScrollBar()->maximum()));
        view.viewport()->render(&target);
        benchmark::DoNotOptimize(target);
    }
}
BENCHMARK(PaintAtZoom)->Arg(100)->Arg(400)->Arg(25)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
