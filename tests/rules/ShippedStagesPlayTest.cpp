// Playing the shipped stages through the rules: none is cleared by simply holding Right,
// and past the first world each time limit leaves a good player a fifth to two fifths of
// the clock.
#include <gtest/gtest.h>

#include "Scenario.h"
#include "ShippedStages.h"

namespace tarn::game::testing {
namespace {

constexpr int kFramesPerTimeUnit = 30;

// Plays the stage with only the given keys held until the life ends, the stage is cleared
// or the time is up (the clock runs down by a unit every 30 frames).
Outcome PlayHolding(const GameStageText& text, bool lowSpec, const std::vector<int>& keys) {
    GameState state = LoadedStage(text, lowSpec);
    Layers layers;
    const art::BuiltinPictures pictures = TestPictures();
    RecordingServices services;
    for (int frame = 1; state.loop.outcome == Outcome::None; ++frame) {
        state.keys.Clear();
        if (frame > 1) {
            for (int key : keys) {
                state.keys.Press(key, state.bindings);
            }
        }
        services.sounds.clear();
        services.printed.clear();
        services.now = std::uint32_t(1000 + frame * 16);
        FrameContext context{state, layers, pictures, services};
        RunFrameBody(context);
        if (frame % kFramesPerTimeUnit == 0) {
            state.counters.TimeLeft -= 1;
        }
    }
    return state.loop.outcome;
}

TEST(ShippedStagesPlay, NoneIsClearedByHoldingRight) {
    for (const ShippedFolder& folder : ShippedFolders()) {
        for (const auto& [name, stage] : ReadShippedFolder(folder)) {
            for (const bool lowSpec : {false, true}) {
                EXPECT_NE(PlayHolding(stage, lowSpec, {kRight}), Outcome::Clear)
                    << folder.name << "/" << name << (lowSpec ? " (low-spec)" : "");
            }
        }
    }
}

TEST(ShippedStagesPlay, NorByHoldingRightAndDash) {
    for (const ShippedFolder& folder : ShippedFolders()) {
        for (const auto& [name, stage] : ReadShippedFolder(folder)) {
            EXPECT_NE(PlayHolding(stage, false, {kRight, kDash}), Outcome::Clear)
                << folder.name << "/" << name;
        }
    }
}

// The first world teaches, with a generous clock; the rest is timed for a good player.
bool Timed(const std::string& folder, const std::string& stage) {
    return folder != "standard" || stage.rfind("1-", 0) != 0;
}

// A replay follows the line a search found, frame-exact; a good player on the same route
// loses a little at every jump and lift, taken here as needing 15% more frames.
constexpr double kGoodPlayerFrames = 1.15;

TEST(ShippedStagesPlay, TimeLimitsLeaveAGoodPlayerAFifthToTwoFifthsOfTheClock) {
    for (const ShippedFolder& folder : ShippedFolders()) {
        for (const auto& [name, stage] : ReadShippedFolder(folder)) {
            if (!Timed(folder.name, name)) {
                continue;
            }
            const std::optional<int> frames = ReplayClearFrame(folder.name, name, false);
            ASSERT_TRUE(frames) << folder.name << "/" << name << " has no replay";
            const double goodPlayer = *frames * kGoodPlayerFrames;
            const double left = 1.0 - goodPlayer / kFramesPerTimeUnit / stage.TimeLeft;
            EXPECT_GE(left, 0.2) << folder.name << "/" << name;
            EXPECT_LE(left, 0.4) << folder.name << "/" << name;
        }
    }
}

TEST(ShippedStagesPlay, NoTimeLimitStartsInHurryUp) {
    constexpr double kHurryUpUnits = 50;
    for (const ShippedFolder& folder : ShippedFolders()) {
        for (const auto& [name, stage] : ReadShippedFolder(folder)) {
            EXPECT_GT(stage.TimeLeft, kHurryUpUnits + 10) << folder.name << "/" << name;
        }
    }
}

}  // namespace
}  // namespace tarn::game::testing
