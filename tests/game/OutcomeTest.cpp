// The outcome sequences on whole headless runs: the order of their sounds and the waits
// between them, read from the virtual clock.
#include <gtest/gtest.h>

#include "GameFixture.h"

namespace tarn::game::testing {
namespace {

struct TimedSound {
    SoundId id;
    SoundOp op;
    std::uint32_t at;
    bool operator==(const TimedSound&) const = default;
};

class TimedSoundPlatform : public HeadlessPlatform {
  public:
    void Sound(SoundId id, SoundOp op) override {
        HeadlessPlatform::Sound(id, op);
        if (recording) {
            log.push_back({id, op, Clock()});
        }
    }
    bool recording = false;
    std::vector<TimedSound> log;
};

class OutcomeTest : public ::testing::Test {
  protected:
    // Runs the stage until the run ends; the sound log starts with the outcome.
    std::uint32_t Run(const std::function<void(Game&)>& prepare = {}) {
        Options options;
        options.stage = "1-1";
        std::uint32_t end = 0;
        RunHeadless(
            folder, options, &platform,
            [&](Game& s) {
                s.run.phaseProbe = [&s, this] {
                    platform.recording = s.state.loop.outcome != Outcome::None;
                };
                if (prepare) {
                    prepare(s);
                }
            },
            [&](Game&) { end = platform.Clock(); });
        return end;
    }
    ProgramFolder folder;
    TimedSoundPlatform platform;
};

TEST_F(OutcomeTest, GameOverPlaysDeathSignalFallThenGameOverSoundAfterItsWaits) {
    folder.AddStage("a", "1-1", FloorStage(0));  // the time is up at the first frame
    Run([](Game& s) { s.state.counters.Lives = 0; });
    ASSERT_EQ(platform.log.size(), 6u);
    const std::uint32_t t = platform.log[0].at;
    const std::vector<TimedSound> head = {{SoundId::bg, SoundOp::Stop, t},
                                          {SoundId::bgn, SoundOp::Stop, t},
                                          {SoundId::bgn, SoundOp::Rewind, t},
                                          {SoundId::ded1, SoundOp::Play, t},
                                          {SoundId::ded, SoundOp::Play, t + 1000}};
    EXPECT_EQ(std::vector<TimedSound>(platform.log.begin(), platform.log.begin() + 5), head);
    EXPECT_EQ(platform.log[5].id, SoundId::end);
    EXPECT_EQ(platform.log[5].op, SoundOp::Play);
    EXPECT_GE(platform.log[5].at, t + 2000);  // after the fall and one more second
}

TEST_F(OutcomeTest, AllClearCountsTheBonusThenWaitsFiveSecondsFromTheLastLetter) {
    StageFields last = FloorStage(20);
    last.map[55][2] = 3;  // goal 1 where the player stands; it names no stage
    folder.AddStage("a", "1-1", last);
    const std::uint32_t end = Run();
    ASSERT_EQ(platform.log.size(), 7u);
    const std::uint32_t t = platform.log[0].at;
    const std::vector<TimedSound> expected = {
        {SoundId::bg, SoundOp::Stop, t},
        {SoundId::bgn, SoundOp::Stop, t},
        {SoundId::bgn, SoundOp::Rewind, t},
        {SoundId::clear, SoundOp::Play, t},
        {SoundId::timep, SoundOp::PlayLooping, t + 1650 + 7 * 50},
        {SoundId::timep, SoundOp::Stop, t + 2000 + 20 * 10},
        {SoundId::allclear, SoundOp::Play, t + 2200}};
    EXPECT_EQ(platform.log, expected);
    EXPECT_EQ(end, t + 2200 + 18 * 80 + 5000);
}

TEST_F(OutcomeTest, NextStageFollowsTheGreetingAfterEightHundredMilliseconds) {
    StageFields first = FloorStage(0.5);  // no whole time unit left: no bonus
    first.map[55][2] = 3;
    first.nextStage = "1-2";
    folder.AddStage("a", "1-1", first);
    folder.AddStage("a", "1-2", FloorStage());
    std::uint32_t loadedAt = 0;
    Run([&](Game& s) {
        s.run.frameLimit = 2;
        s.run.phaseProbe = [&s, &loadedAt, this] {
            platform.recording = s.state.loop.outcome != Outcome::None;
            if (s.state.stage.CurrentStage == "1-2" && loadedAt == 0) {
                loadedAt = platform.Clock();
            }
        };
    });
    ASSERT_GE(platform.log.size(), 6u);
    const std::uint32_t t = platform.log[0].at;
    EXPECT_EQ(platform.log[4], (TimedSound{SoundId::timep, SoundOp::PlayLooping, t + 2000}));
    EXPECT_EQ(platform.log[5], (TimedSound{SoundId::timep, SoundOp::Stop, t + 2000}));
    EXPECT_EQ(loadedAt, t + 2000 + 18 * 80 + 800);
}

}  // namespace
}  // namespace tarn::game::testing
