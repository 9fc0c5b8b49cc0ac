// Frame pacing, the time count-down, the frame-rate keys and the pause, through runs of
// the main loop on the headless platform.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "game/core/Pacing.h"

namespace tarn::game::testing {
namespace {

struct LoopRun {
    double timeLeft = 0;
    std::string fpsCaption;
    int targetFps = 0;
    std::uint64_t frames = 0;
};

LoopRun RunFrames(ProgramFolder& folder, std::uint64_t frames, const std::string& replay = "",
                  HeadlessPlatform* platform = nullptr) {
    Options options;
    options.stage = "1-1";
    options.frames = frames;
    if (!replay.empty()) {
        options.replay = WriteReplay(folder, replay);
    }
    LoopRun run;
    RunHeadless(folder, options, platform, {}, [&](Game& s) {
        run.timeLeft = s.state.counters.TimeLeft;
        run.fpsCaption = s.screen.strip.FrameRateText();
        run.targetFps = s.state.TargetFps;
        run.frames = s.run.framesRun;
    });
    return run;
}

class PacingTest : public ::testing::Test {
  protected:
    void SetUp() override { folder.AddStage("a", "1-1", FloorStage(150)); }
    ProgramFolder folder;
};

TEST_F(PacingTest, FirstSecondCountsOneFrameMoreThanItRan) {
    // 59 frames run before the first boundary; the caption counts 60.
    EXPECT_EQ(RunFrames(folder, 59).timeLeft, 150);
    const LoopRun run = RunFrames(folder, 60);
    EXPECT_EQ(run.fpsCaption, "FPS 60/60");
    EXPECT_DOUBLE_EQ(run.timeLeft, 148);
}

TEST_F(PacingTest, LaterSecondsRunExactlyTheTargetRate) {
    const LoopRun run = RunFrames(folder, 59 + 60 + 1);
    EXPECT_EQ(run.fpsCaption, "FPS 60/60");
    EXPECT_DOUBLE_EQ(run.timeLeft, 146);
}

TEST_F(PacingTest, ThirtyFramesPerSecondTakeOneUnitPerSecond) {
    folder.WriteSettings(30, 16);
    const LoopRun run = RunFrames(folder, 29 + 30 + 1);
    EXPECT_EQ(run.fpsCaption, "FPS 30/30");
    EXPECT_DOUBLE_EQ(run.timeLeft, 148);
}

TEST_F(PacingTest, DigitKeyChangesRateOnlyAtASecondBoundary) {
    EXPECT_EQ(RunFrames(folder, 50, "10 51\n").targetFps, 60);
    const LoopRun run = RunFrames(folder, 60, "10 51\n");
    EXPECT_EQ(run.targetFps, 30);
    EXPECT_EQ(run.fpsCaption, "FPS 60/30");
}

TEST_F(PacingTest, LowestHeldDigitWins) {
    EXPECT_EQ(RunFrames(folder, 60, "5 57 49\n").targetFps, 10);
}

TEST(PacingRules, RatesOutsideTheListNeverReachTheDivision) {
    EXPECT_EQ(PacingFps(0), 60);
    EXPECT_EQ(PacingFps(-30), 60);
    EXPECT_EQ(PacingFps(200), 60);
    EXPECT_EQ(PacingFps(10), 10);
    EXPECT_FALSE(FrameDue(1000, 1000, 0, 1));
    EXPECT_EQ(NextWakeTime(1000, 0, 1), 1017u);
}

TEST(PacingRules, WakeTimeIsTheFirstDueMillisecondOrTheWindowEnd) {
    EXPECT_EQ(NextWakeTime(0, 60, 1), 17u);
    EXPECT_TRUE(FrameDue(17, 0, 60, 1));
    EXPECT_FALSE(FrameDue(16, 0, 60, 1));
    EXPECT_EQ(NextWakeTime(0, 10, 10), 1001u);
    EXPECT_TRUE(SecondBoundaryPassed(1001, 0));
    EXPECT_FALSE(SecondBoundaryPassed(1000, 0));
}

TEST(PacingRules, PacingHoldsAcrossTheClocksWrap) {
    const std::uint32_t start = 0xFFFF'FFFFu - 5;  // the second starts 6 ms before the wrap
    EXPECT_EQ(NextWakeTime(start, 60, 1), 11u);
    EXPECT_FALSE(FrameDue(9, start, 60, 1));
    EXPECT_TRUE(FrameDue(11, start, 60, 1));
    EXPECT_EQ(NextWakeTime(start, 10, 10), 995u);
    EXPECT_FALSE(SecondBoundaryPassed(994, start));
    EXPECT_TRUE(SecondBoundaryPassed(995, start));
}

TEST_F(PacingTest, HeadlessPauseEndsAtOnce) {
    const LoopRun run = RunFrames(folder, 30, "5 32\n");
    EXPECT_EQ(run.frames, 30u);
}

// The pause waits for Space to be released and then Enter.
class PauseTest : public PacingTest {
  protected:
    // Presses Space after frame 3, then Enter while Space is held, then releases Space.
    std::uint64_t FramesAfterPause(bool releaseSpace, bool spaceJumps = false) {
        ScriptedKeys keys;
        int step = 0;
        std::uint64_t pausedPolls = 0;
        keys.onPoll = [&](std::uint64_t, std::uint64_t frame, std::vector<InputEvent>& events) {
            if (step == 0 && frame == 4) {
                events.push_back({InputEvent::Type::KeyDown, 32});
                step = 1;
            } else if (step == 1 && frame == 5) {
                ++pausedPolls;  // polled inside the pause: frame 4 has not finished
                if (pausedPolls == 5) {
                    events.push_back({InputEvent::Type::KeyDown, 13});
                }
                if (pausedPolls == 50 && releaseSpace) {
                    events.push_back({InputEvent::Type::KeyUp, 32});
                }
                if (pausedPolls == 200) {
                    events.push_back({InputEvent::Type::Quit, 0});
                }
            }
        };
        Options options;
        options.stage = "1-1";
        options.frames = 10;
        std::uint64_t ran = 0;
        RunHeadless(
            folder, options, nullptr,
            [&](Game& s) {
                if (spaceJumps) {
                    s.state.bindings.KeyJump = 32;
                }
            },
            [&](Game& s) { ran = s.run.framesRun; }, false, &keys);
        return ran;
    }
};

TEST_F(PacingTest, ThePauseLooksAtTheKeysOnceAFramePeriod) {
    ScriptedPlatform platform;
    ScriptedKeys keys;
    std::uint64_t pausedPolls = 0;
    std::uint32_t firstPausedPoll = 0;
    std::uint32_t lastPausedPoll = 0;
    keys.onPoll = [&](std::uint64_t, std::uint64_t frame, std::vector<InputEvent>& events) {
        if (frame == 4 && pausedPolls == 0) {
            events.push_back({InputEvent::Type::KeyDown, 32});
            pausedPolls = 1;
        } else if (frame == 5 && pausedPolls > 0) {
            ++pausedPolls;
            if (pausedPolls == 2) {
                firstPausedPoll = platform.Clock();
            } else if (pausedPolls == 62) {
                lastPausedPoll = platform.Clock();
                events.push_back({InputEvent::Type::Quit, 0});
            }
        }
    };
    Options options;
    options.stage = "1-1";
    options.frames = 10;
    RunHeadless(folder, options, &platform, {}, {}, false, &keys);
    ASSERT_EQ(pausedPolls, 62u);
    // Sixty looks at 60 frames a second take a second, not a few hundred milliseconds.
    EXPECT_GE(lastPausedPoll - firstPausedPoll, 60u * 16u);
    EXPECT_LE(lastPausedPoll - firstPausedPoll, 60u * 17u + 20u);
}

TEST_F(PauseTest, EnterWhileSpaceIsHeldDoesNotResume) {
    // The window is closed from inside the pause: the run ends at frame 4.
    EXPECT_EQ(FramesAfterPause(false), 4u);
}

TEST_F(PauseTest, SpaceReleasedThenEnterResumes) {
    EXPECT_EQ(FramesAfterPause(true), 10u);
}

TEST_F(PauseTest, SpaceBoundToAnActionDoesNotPause) {
    // Nobody resumes a pause here, so only a run without one reaches frame 10.
    EXPECT_EQ(FramesAfterPause(false, true), 10u);
}

}  // namespace
}  // namespace tarn::game::testing
