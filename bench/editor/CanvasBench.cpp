// How long the canvas takes to follow the pointer: one stamp per reported position, a
// stroke across the whole map, and the full redraw after opening a stage.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "editor/app/MapDocument.h"
#include "editor/doc/CanvasRules.h"

namespace {

using tarn::kChipCodeCount;
using tarn::kMapColumns;
using tarn::kMapRows;
using tarn::editor::MapDocument;

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "editor_canvas_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

void StampOneCell(benchmark::State& state) {
    App();
    MapDocument document;
    int i = 0;
    for (auto _ : state) {
        document.Stamp(i % kMapColumns, (i / kMapColumns) % kMapRows, 1 + i % (kChipCodeCount - 1));
        ++i;
    }
}
BENCHMARK(StampOneCell);

void StrokeAcrossTheMap(benchmark::State& state) {
    App();
    MapDocument document;
    int code = 1;
    for (auto _ : state) {
        for (int column = 0; column < kMapColumns; ++column) {
            document.Stamp(column, column % kMapRows, code);
        }
        code = code % (kChipCodeCount - 1) + 1;
    }
}
BENCHMARK(StrokeAcrossTheMap);

void RedrawWholeCanvas(benchmark::State& state) {
    App();
    MapDocument document;
    for (int c = 0; c < kMapColumns; ++c) {
        for (int r = 0; r < kMapRows; ++r) {
            document.Doc().SetCell(c, r, (c + r) % kChipCodeCount);
        }
    }
    for (auto _ : state) {
        document.RedrawAll();
    }
}
BENCHMARK(RedrawWholeCanvas);

}  // namespace
