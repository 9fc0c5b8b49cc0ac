// Input sources and how the game takes their events: the platform's window with or
// without a person, a replay, a recording, the run's control of keys and requests, and
// the paced loop that polls them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "GameFixture.h"
#include "game/core/FrameLoop.h"
#include "game/core/Replay.h"
#include "game/core/RunControl.h"
#include "game/core/StageFolders.h"

namespace tarn::game::testing {
namespace {

using Type = InputEvent::Type;

// Records the sounds asked for; the clock stands still.
class SoundLog : public FrameServices {
  public:
    std::uint32_t Clock() override { return 0; }
    void Sound(SoundId id, SoundOp op) override { sounds.push_back({id, op}); }
    void PrintOnPBuffer(int, int, std::string_view) override {}
    std::vector<SoundRequest> sounds;
};

std::vector<InputEvent> PollOnce(InputSource& source, std::uint64_t frame) {
    std::vector<InputEvent> events;
    source.Poll(frame, events);
    return events;
}

ReplayScript Script(const std::string& text) {
    ProgramFolder folder;
    ReplayScript script;
    std::string error;
    EXPECT_TRUE(ReadReplayScript(WriteReplay(folder, text), script, error)) << error;
    return script;
}

TEST(PlatformInputTest, PassesTheWindowsEventsAndSaysWhetherSomeoneIsAtTheKeys) {
    HeadlessPlatform platform;
    PlatformInput person(platform, PlatformInput::Person::AtTheKeys);
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    platform.Queue({Type::KeyDown, 39});
    EXPECT_EQ(PollOnce(person, 1), (std::vector<InputEvent>{{Type::KeyDown, 39}}));
    EXPECT_TRUE(person.InputCanArrive());
    EXPECT_TRUE(person.InputDueBefore(1));
    EXPECT_FALSE(nobody.InputCanArrive());
    EXPECT_FALSE(nobody.InputDueBefore(1));
}

TEST(ReplayInputTest, HeldKeysTurnIntoEventsAtTheirFrameAndOnlyQuitPassesFromTheWindow) {
    HeadlessPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    Replay replay(platform, nobody, Script("3 39 38\n5 39\n"));
    platform.Queue({Type::KeyDown, 90});
    platform.Queue({Type::Quit, 0});
    EXPECT_EQ(PollOnce(replay, 1), (std::vector<InputEvent>{{Type::Quit, 0}}));
    EXPECT_EQ(PollOnce(replay, 3),
              (std::vector<InputEvent>{{Type::KeyDown, 39}, {Type::KeyDown, 38}}));
    EXPECT_TRUE(replay.InputCanArrive());
    EXPECT_EQ(PollOnce(replay, 5), (std::vector<InputEvent>{{Type::KeyUp, 38}}));
    EXPECT_FALSE(replay.InputCanArrive());
}

TEST(ReplayInputTest, OnlyARecordedEventIsDueInsideAFrame) {
    HeadlessPlatform platform;
    PlatformInput person(platform, PlatformInput::Person::AtTheKeys);
    Replay held(platform, person, Script("4 32\n"));
    EXPECT_FALSE(held.InputDueBefore(4));
    EXPECT_TRUE(held.InputCanArrive());  // someone still sits at the window
    Replay recorded(platform, person, Script("4 32 ; 7 +32\n"));
    EXPECT_FALSE(recorded.InputDueBefore(3));
    EXPECT_TRUE(recorded.InputDueBefore(4));
}

TEST(ReplayInputTest, RecordedClockReadingsComeBackInOrder) {
    HeadlessPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    Replay replay(platform, nobody, Script("c 5 0 17\n"));
    EXPECT_EQ(replay.Clock(), 5u);
    EXPECT_EQ(replay.Clock(), 5u);
    EXPECT_EQ(replay.Clock(), 22u);
    replay.WaitUntil(40);
    EXPECT_EQ(replay.Clock(), 40u);
}

TEST(RecordingTest, WritesEachEventWithTheFrameThatSeesItAndThePollThatBroughtIt) {
    ProgramFolder folder;
    const auto file = folder.root() / "run.rec";
    HeadlessPlatform platform;
    PlatformInput person(platform, PlatformInput::Person::AtTheKeys);
    {
        Recording recording(platform, person, file);
        ASSERT_TRUE(recording.Ok());
        EXPECT_TRUE(recording.InputDueBefore(1));
        PollOnce(recording, 1);
        platform.Queue({Type::KeyDown, 39});
        EXPECT_EQ(PollOnce(recording, 7), (std::vector<InputEvent>{{Type::KeyDown, 39}}));
    }
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("\n7 39 ; 2 +39\n"), std::string::npos) << text.str();
}

TEST(RunControlTest, TheFirstKeyStopsTheTitleMusicOnceAndAsksForTheMenu) {
    HeadlessPlatform platform;
    PlatformInput person(platform, PlatformInput::Person::AtTheKeys);
    SoundLog sounds;
    RunControl run(person, sounds);
    GameState state;
    platform.Queue({Type::KeyDown, 40});
    EXPECT_FALSE(run.Pump(state));
    EXPECT_TRUE(run.menuRequested);
    EXPECT_TRUE(state.keys.Held(40));
    run.menuRequested = false;
    platform.Queue({Type::Click, 0});
    EXPECT_TRUE(run.Pump(state));
    EXPECT_EQ(sounds.sounds, (std::vector<SoundRequest>{{SoundId::op, SoundOp::Stop}}));
}

TEST(RunControlTest, ReleasingF12OrClosingTheWindowEndsTheRun) {
    HeadlessPlatform platform;
    PlatformInput person(platform, PlatformInput::Person::AtTheKeys);
    SoundLog sounds;
    GameState state;
    RunControl released(person, sounds);
    released.TitleStarted = true;
    platform.Queue({Type::KeyDown, 123});
    EXPECT_TRUE(released.Pump(state));
    platform.Queue({Type::KeyUp, 123});
    EXPECT_FALSE(released.Pump(state));
    EXPECT_TRUE(released.quitRequested);
    RunControl closed(person, sounds);
    platform.Queue({Type::Quit, 0});
    EXPECT_FALSE(closed.Pump(state));
    EXPECT_TRUE(closed.quitRequested);
}

TEST(RunControlTest, TheNewerDirectionKeyWins) {
    HeadlessPlatform platform;
    PlatformInput person(platform, PlatformInput::Person::AtTheKeys);
    SoundLog sounds;
    RunControl run(person, sounds);
    run.TitleStarted = true;
    GameState state;
    platform.Queue({Type::KeyDown, 39});
    platform.Queue({Type::KeyDown, 37});
    run.Pump(state);
    EXPECT_FALSE(state.keys.Held(39));
    EXPECT_TRUE(state.keys.Held(37));
}

// A phase that counts its frames and the ends of its seconds.
class CountingPhase : public PacedPhase {
  public:
    std::int32_t& FrameCount() override { return frameCount; }
    std::uint32_t& SecondStart() override { return secondStart; }
    void SecondEnded(std::uint32_t now) override {
        secondsEnded.push_back(now);
        frameCount = 0;
        secondStart = now;
    }
    bool NeedsInput() const override { return needsInput; }
    std::optional<Next> RunFrame() override {
        if (++frames == stopAfter) {
            return Next{Phase::Exit, {}};
        }
        return std::nullopt;
    }
    std::int32_t frameCount = 1;
    std::uint32_t secondStart = 0;
    bool needsInput = false;
    int frames = 0;
    int stopAfter = 0;
    std::vector<std::uint32_t> secondsEnded;
};

TEST(RunPacedTest, FramesAreDueAtTheRateAndEverySecondEndsOnce) {
    HeadlessPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    SoundLog sounds;
    RunControl run(nobody, sounds);
    run.TitleStarted = true;
    GameState state;
    state.TargetFps = 10;
    CountingPhase phase;
    phase.stopAfter = 25;
    EXPECT_EQ(RunPaced(phase, run, platform, state).phase, Phase::Exit);
    EXPECT_EQ(run.framesRun, 25u);
    EXPECT_EQ(phase.secondsEnded, (std::vector<std::uint32_t>{1001, 2002}));
}

TEST(RunPacedTest, APhaseThatNeedsInputEndsWhenNoneCanArrive) {
    HeadlessPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    SoundLog sounds;
    RunControl run(nobody, sounds);
    run.TitleStarted = true;
    GameState state;
    CountingPhase phase;
    phase.needsInput = true;
    EXPECT_EQ(RunPaced(phase, run, platform, state).phase, Phase::Exit);
    EXPECT_EQ(phase.frames, 0);
    run.frameLimit = 3;  // a frame limit will end the run: the phase goes on
    phase.stopAfter = 2;
    RunPaced(phase, run, platform, state);
    EXPECT_EQ(phase.frames, 2);
}

TEST(StageFoldersTest, ChoosingTheNextWrapsAndTheNameIsTheFoldersOwn) {
    StageFolders folders;
    folders.StageDirs = {"/d/a/", "/d/b/"};
    folders.StageDir = folders.StageDirs[0];
    EXPECT_EQ(folders.ChosenName(), "a");
    folders.ChooseNext();
    EXPECT_EQ(folders.StageDirNo, 2);
    EXPECT_EQ(folders.ChosenName(), "b");
    EXPECT_EQ(folders.StageFile("1-1"), std::filesystem::path("/d/b/1-1.tr2"));
    folders.ChooseNext();
    EXPECT_EQ(folders.StageDirNo, 1);
    EXPECT_EQ(folders.StageDir, std::filesystem::path("/d/a/"));
}

}  // namespace
}  // namespace tarn::game::testing
