// Presenting through the SDL front end on SDL's dummy video driver: the copy into the
// window's picture and the drawing into the window surface, for every row each time (the
// old way) or only the rows that changed, with a still view (only the strip's labels
// change) and a scrolling one (every row changes).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "game/sdl/SdlPlatform.h"

namespace tarn::game {
namespace {

// Arguments: 1 to present every row, 1 for a view that scrolls every frame.
void BM_SdlPresent(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlPlatform platform(WindowChoice{true});
    if (!platform.Ok()) {
        state.SkipWithError(platform.Error().c_str());
        return;
    }
    platform.presentAll = state.range(0) != 0;
    const bool scrolls = state.range(1) != 0;
    Surface strip(640, 16, kWhite);
    Surface view(640, 480);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            view.SetPixel(x, y, Rgb(x / 3, y / 2, (x + y) / 5));
        }
    }
    int frame = 0;
    for (auto _ : state) {
        ++frame;
        strip.FillRect(600, 0, 40, 16, Rgb(frame % 256, 0, 0));  // the clock label
        if (scrolls) {
            for (int y = 0; y < 480; ++y) {
                view.SetPixel(frame % 640, y, Rgb(frame % 256, y / 2, 9));
            }
        }
        platform.Present(strip, view);
    }
}
BENCHMARK(BM_SdlPresent)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarn::game
