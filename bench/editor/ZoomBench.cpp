// How long a full window of the zoomed canvas takes to repaint: 1600 x 1000 pixels of
// canvas at 32, 16 and 10 pixels a cell, into an image of the window system's format.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "editor/app/CanvasPainter.h"
#include "editor/app/MapDocument.h"

namespace {

using tarn::kChipCodeCount;
using tarn::kMapColumns;
using tarn::kMapRows;
using tarn::editor::CanvasPainter;
using tarn::editor::MapDocument;
using tarn::editor::Overlays;

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "editor_zoom_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

// Every code in turn, so nearly half the cells are moving objects with arrows: the
// busiest map the canvas can be asked to draw.
void FillBusyMap(MapDocument& document) {
    for (int c = 0; c < kMapColumns; ++c) {
        for (int r = 0; r < kMapRows; ++r) {
            document.Doc().SetCell(c, r, (c + r) % kChipCodeCount);
        }
    }
    document.Doc().properties.STX = 60;
    document.Doc().properties.STYText = "20";
    document.RedrawAll();
}

void RepaintWindow(benchmark::State& state, const Overlays& overlays) {
    App();
    MapDocument document;
    FillBusyMap(document);
    CanvasPainter painter;
    const int cellPixels = int(state.range(0));
    painter.SetCellPixels(cellPixels);
    QImage window(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    // A window's worth of canvas scrolled into the middle of the map, as far as it goes.
    const QRect area(std::min(1000, kMapColumns * cellPixels - 1600),
                     std::min(200, std::max(kMapRows * cellPixels - 1000, 0)), 1600, 1000);
    for (auto _ : state) {
        QPainter p(&window);
        p.translate(-area.topLeft());
        p.setClipRect(area);
        painter.Paint(p, document, area, overlays);
        p.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}

void RepaintWithDefaultOverlays(benchmark::State& state) {
    RepaintWindow(state, Overlays{});
}
BENCHMARK(RepaintWithDefaultOverlays)->Arg(32)->Arg(16)->Arg(10)->Unit(benchmark::kMillisecond);

void RepaintWithEveryOverlay(benchmark::State& state) {
    RepaintWindow(state, Overlays{true, true, true, true});
}
BENCHMARK(RepaintWithEveryOverlay)->Arg(32)->Unit(benchmark::kMillisecond);

void RepaintMapOnly(benchmark::State& state) {
    RepaintWindow(state, Overlays{false, false, false, false});
}
BENCHMARK(RepaintMapOnly)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
