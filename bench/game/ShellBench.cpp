// One frame of the main loop (restores, object moves and draws, player, present with
// colour quantisation) on a stage full of objects, and loading a stage file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "assets/BuiltinArt.h"
#include "game/core/Game.h"
#include "game/core/StageLoader.h"
#include "game/platform/HeadlessPlatform.h"
#include "support/BinAngsDL.h"
#include "support/ProgramPaths.h"
#include "support/StageText.h"

namespace tarn::game {
namespace {

// Floors every eight rows, and an object in every `spacing`-th cell above each floor.
StageFields CrowdedStage(int spacing) {
    StageFields f;
    f.background = "sky.bmp";
    f.stageName = "Crowded";
    f.startColumnIndex = 20;
    f.startRowIndex = 54;
    f.timeText = "999";
    const Chip kinds[] = {Chip::HorizontalLift,  Chip::HorizontalSpike,     Chip::HorizontalEnemy,
                          Chip::WalkingEnemy,    Chip::TurningWalkingEnemy, Chip::VerticalLiftUp,
                          Chip::VerticalLiftDown};
    int k = 0;
    for (int row = 7; row < kMapRows; row += 8) {
        f.map[std::size_t(row)].fill(std::uint8_t(Chip::UnbreakableBlock));
        for (int col = 1; col < kMapColumns; col += spacing) {
            f.map[std::size_t(row - 2)][std::size_t(col)] = std::uint8_t(kinds[k++ % 7]);
        }
    }
    f.map[55].fill(std::uint8_t(Chip::UnbreakableBlock));
    f.nextStage = "NONE";
    f.nextStage2 = "NONE";
    return f;
}

struct Bench {
    explicit Bench(int spacing = 4)
        : game(platform, platform, input, art::Builtin(), PortablePaths(TARN_PROGRAM_DIR)) {
        folder = std::filesystem::temp_directory_path() / "tarn-shell-bench";
        std::filesystem::create_directories(folder);
        const std::string text = WriteStageText(CrowdedStage(spacing));
        (void)WriteEncipheredFile(folder / "crowded.tr2",
                                  std::vector<std::uint8_t>(text.begin(), text.end()));
        game.folders.StageDir = folder / "";
        game.state.ColorDepth = 16;
        game.screen.SetColorDepth(16);
    }
    ~Bench() {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    }
    HeadlessPlatform platform;
    PlatformInput input{platform, PlatformInput::Person::Nobody};
    Game game;
    std::filesystem::path folder;
};

// Arguments: colour depth, object spacing in cells, and 1 to skip the work on objects far
// from the view (0: every object restored and drawn every frame, the old way).
void BM_FrameOnCrowdedStage(benchmark::State& state) {
    Bench bench(int(state.range(1)));
    Game& s = bench.game;
    s.layers.kept.allowed = state.range(2) != 0;
    s.state.ColorDepth = int(state.range(0));
    s.screen.SetColorDepth(s.state.ColorDepth);
    if (s.loader.ReadData("crowded", "crowded", s.play, s.screen, s.run, s.folders)) {
        state.SkipWithError("the stage did not load");
        return;
    }
    s.state.player.PlayerX = 320;
    s.state.player.PlayerY = 864;
    s.state.loop.ViewX = 160;
    s.state.loop.ViewY = 720;
    FrameContext& frame = s.play;
    const GameState start = s.state;
    std::int64_t objectsActive = 0;
    int n = 0;
    for (auto _ : state) {
        if (++n % 200 == 0) {
            state.PauseTiming();
            s.state = start;  // keep the crowd in view
            state.ResumeTiming();
        }
        s.state.loop.outcome = Outcome::None;
        RunFrameBody(frame);
        s.screen.PresentView(s.layers, s.state);
        for (std::int32_t i = 0; i < s.state.stage.ObjCount; ++i) {
            objectsActive += s.state.stage.ObjActive[std::size_t(i)] != 0;
        }
    }
    state.counters["objects"] = double(s.state.stage.ObjCount);
    state.counters["active"] =
        double(objectsActive) / double(std::max<std::int64_t>(1, state.iterations()));
}
BENCHMARK(BM_FrameOnCrowdedStage)
    ->Args({16, 4, 1})
    ->Args({16, 4, 0})
    ->Args({8, 4, 1})
    ->Args({16, 12, 1})
    ->Args({16, 12, 0})
    ->Args({16, 200, 1})
    ->Args({16, 2, 1})
    ->Args({16, 2, 0})
    ->Unit(benchmark::kMicrosecond);

// Presenting alone: the stretched view, the labels and the colour conversion.
void BM_PresentView(benchmark::State& state) {
    Bench bench;
    Game& s = bench.game;
    s.state.ColorDepth = int(state.range(0));
    s.screen.SetColorDepth(s.state.ColorDepth);
    s.layers.PBuffer.Reset(kMapWidth + kPBufferMargin, kMapHeight + kPBufferMargin,
                           Rgb(90, 140, 200));
    for (auto _ : state) {
        s.screen.PresentView(s.layers, s.state);
    }
}
BENCHMARK(BM_PresentView)->Arg(16)->Arg(8)->Unit(benchmark::kMicrosecond);

void BM_LoadStage(benchmark::State& state) {
    Bench bench;
    Game& s = bench.game;
    const bool newBackground = state.range(0) != 0;
    for (auto _ : state) {
        if (newBackground) {
            s.loader.ForgetBackground();
        }
        if (s.loader.ReadData("crowded", "crowded", s.play, s.screen, s.run, s.folders)) {
            state.SkipWithError("the stage did not load");
            return;
        }
    }
}
BENCHMARK(BM_LoadStage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarn::game
