// How long the canvas takes to follow the pointer: one stamp per reported position, a
// stroke across the whole map, and the full redraw after opening a stage.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "editor/app/MapDocument.h"
#include "editor/doc/CanvasRules.h"

namespace {

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
        document.Stamp(i % 200, (i / 200) % 60, 1 + i % 23);
        ++i;
    }
}
BENCHMARK(StampOneCell);

void StrokeAcrossTheMap(benchmark::State& state) {
    App();
    MapDocument document;
    int code = 1;
    for (auto _ : state) {
        for (int column = 0; column < 200; ++column) {
            document.Stamp(column, column % 60, code);
        }
        code = code % 23 + 1;
    }
}
BENCHMARK(StrokeAcrossTheMap);

void RedrawWholeCanvas(benchmark::State& state) {
    App();
    MapDocument document;
    for (int c = 0; c < 200; ++c) {
        for (int r = 0; r < 60; ++r) {
            document.Doc().SetCell(c, r, (c + r) % 24);
        }
    }
    for (auto _ : state) {
        document.RedrawAll();
    }
}
BENCHMARK(RedrawWholeCanvas);

}  // namespace
