// Recording a run and playing the recording back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "GameFixture.h"
#include "game/core/Replay.h"

namespace tarn::game::testing {
namespace {

class ReplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StageFields f = FloorStage();
        f.map[55][40] = 14;
        f.map[52][20] = 1;
        folder.AddStage("a", "1-1", f);
        recording = folder.root() / "run.rec";
    }

    // A run with key presses arriving between polls, as a keyboard would deliver them:
    // right held, jump tapped, left pressed while right is held and released in one poll.
    std::string Record() {
        ScriptedKeys keys;
        keys.onPoll = [](std::uint64_t poll, std::uint64_t, std::vector<InputEvent>& events) {
            if (poll == 10)
                events.push_back({InputEvent::Type::KeyDown, 39});
            if (poll == 40)
                events.push_back({InputEvent::Type::KeyDown, 38});
            if (poll == 70)
                events.push_back({InputEvent::Type::KeyUp, 38});
            if (poll == 90) {
                events.push_back({InputEvent::Type::KeyDown, 37});
                events.push_back({InputEvent::Type::KeyUp, 37});
            }
            if (poll == 95)
                events.push_back({InputEvent::Type::KeyDown, 32});
            if (poll == 96)
                events.push_back({InputEvent::Type::KeyUp, 32});
        };
        Options options;
        options.stage = "1-1";
        options.frames = 240;
        options.dumpState = true;
        options.record = recording;
        // Someone at the keys: the pause waits for them, as in a window.
        return RunHeadless(folder, options, nullptr, {}, {}, false, &keys).dump;
    }

    RunResult Replay() {
        Options options;
        options.stage = "1-1";
        options.frames = 240;
        options.dumpState = true;
        options.replay = recording;
        return RunHeadless(folder, options);
    }

    ProgramFolder folder;
    std::filesystem::path recording;
};

TEST_F(ReplayTest, ReplayOfARecordingReproducesTheRun) {
    const std::string recorded = Record();
    const RunResult replayed = Replay();
    EXPECT_EQ(replayed.status, 0);
    EXPECT_EQ(replayed.dump, recorded);
    EXPECT_NE(recorded.find("\"frames\":240"), std::string::npos);
}

TEST_F(ReplayTest, KeysHeldFromTheFirstFramePlayTheStageInsteadOfOpeningTheMenu) {
    std::ofstream(recording) << "1 39\n";
    Options options;
    options.stage = "1-1";
    options.frames = 30;
    options.dumpState = true;
    options.replay = recording;
    const RunResult run = RunHeadless(folder, options);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.dump.find("\"frames\":30"), std::string::npos) << run.dump;
    EXPECT_EQ(run.dump.find("\"PlayerX\":32,"), std::string::npos) << run.dump;  // it walked
}

TEST_F(ReplayTest, ReplayStopsAtTheFirstDivergence) {
    Record();
    std::ifstream in(recording);
    std::stringstream text;
    text << in.rdbuf();
    std::string changed = text.str();
    const auto at = changed.find("\n= 60 ");
    ASSERT_NE(at, std::string::npos);
    changed.replace(at, 6, "\n= 60 1");  // a different checksum for frame 60
    std::ofstream(recording) << changed;
    const RunResult replayed = Replay();
    EXPECT_EQ(replayed.status, 3);
    EXPECT_NE(AllTexts(replayed.messages).find("frame 60"), std::string::npos);
    EXPECT_NE(replayed.dump.find("\"frames\":60"), std::string::npos);
}

TEST(ReplayScriptTest, ReadsKeyLinesCommentsClockAndChecksums) {
    ProgramFolder folder;
    const auto file = WriteReplay(folder,
                                  "# a comment\n"
                                  "1\n"
                                  "12 39 38   # right and jump\n"
                                  "c 5 0 17\n"
                                  "30 39 ; 44 -38\n"
                                  "= 30 123\n");
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
    ASSERT_EQ(script.lines.size(), 3u);
    EXPECT_EQ(script.lines[1].keys, (std::vector<int>{39, 38}));
    EXPECT_EQ(script.clock, (std::vector<std::uint32_t>{5, 5, 22}));
    ASSERT_TRUE(script.lines[2].event.has_value());
    EXPECT_EQ(*script.lines[2].event, (InputEvent{InputEvent::Type::KeyUp, 38}));
    EXPECT_EQ(script.checksums.front(), (std::pair<std::uint64_t, std::uint64_t>{30, 123}));
}

TEST(ReplayScriptTest, RejectsBadLinesNamingThem) {
    ProgramFolder folder;
    ReplayScript script;
    std::string error;
    EXPECT_FALSE(ReadReplayScript(WriteReplay(folder, "5 39\n3 38\n"), script, error));
    EXPECT_NE(error.find(":2:"), std::string::npos);
    EXPECT_FALSE(ReadReplayScript(WriteReplay(folder, "0 39\n"), script, error));
    EXPECT_FALSE(ReadReplayScript(WriteReplay(folder, "4 300\n"), script, error));
    EXPECT_FALSE(ReadReplayScript(folder.root() / "none.txt", script, error));
}

TEST(ReplayScriptTest, ClockStepsOfHalfTheClockOrMoreAreRefused) {
    ProgramFolder folder;
    ReplayScript script;
    std::string error;
    EXPECT_FALSE(ReadReplayScript(WriteReplay(folder, "1\nc 17 4294967000\n"), script, error));
    EXPECT_NE(error.find(":2: a clock difference must be a whole number from 0 to 2147483647"),
              std::string::npos)
        << error;
    EXPECT_TRUE(
        ReadReplayScript(WriteReplay(folder, "c 2147483647 2147483647 17\n"), script, error))
        << error;
    ASSERT_EQ(script.clock.size(), 3u);
    EXPECT_EQ(script.clock.back(), 15u);  // past the wrap
}

TEST(ReplayScriptTest, OnlyRegularFilesOfBoundedSizeAreRead) {
    ProgramFolder folder;
    ReplayScript script;
    std::string error;
    EXPECT_FALSE(ReadReplayScript("/dev/zero", script, error));
    EXPECT_NE(error.find("not a regular file but a device"), std::string::npos) << error;
    const auto huge = folder.root() / "huge.rec";
    { std::ofstream(huge).put('1'); }
    std::filesystem::resize_file(huge, kMaxReplayFileBytes + 1);
    EXPECT_FALSE(ReadReplayScript(huge, script, error));
    EXPECT_NE(error.find("larger than 64 MB"), std::string::npos) << error;
}

TEST(ReplayScriptTest, MessagesQuoteOnlyAnExcerptOfABadToken) {
    ProgramFolder folder;
    ReplayScript script;
    std::string error;
    EXPECT_FALSE(ReadReplayScript(WriteReplay(folder, "1 " + std::string(100000, '7') + "\x1b\n"),
                                  script, error));
    EXPECT_LT(error.size(), 400u);
    EXPECT_EQ(error.find('\x1b'), std::string::npos);
}

TEST_F(ReplayTest, ClockReadingsAcrossTheWrapStillEndAtTheFrameLimit) {
    std::string clock = "c 2147483647 2147483000";
    for (int i = 0; i < 400; ++i) {
        clock += " 5";
    }
    Options options;
    options.stage = "1-1";
    options.frames = 120;
    options.replay = WriteReplay(folder, "1 39\n" + clock + "\n");
    std::uint64_t frames = 0;
    RunHeadless(folder, options, nullptr, {}, [&](Game& s) { frames = s.run.framesRun; });
    EXPECT_EQ(frames, 120u);
}

}  // namespace
}  // namespace tarn::game::testing
