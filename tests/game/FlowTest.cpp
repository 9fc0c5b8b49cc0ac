// Start-up failures, outcome sequences and the order of phases, on whole headless runs.
#include <gtest/gtest.h>

#include "GameFixture.h"

namespace tarn::game::testing {
namespace {

struct Ended {
    int status = 0;
    std::string dump;
    Counters counters;
    std::string stage;
    std::string stageCaption;
    std::uint64_t frames = 0;
    std::string shown;  // the texts of the messages the game showed
};

class FlowTest : public ::testing::Test {
  protected:
    Ended Play(const std::string& stage, std::optional<std::uint64_t> frames,
               const std::string& replay = "", bool lowSpec = false,
               const std::function<void(Game&)>& prepare = {}) {
        Options options;
        options.stage = stage;
        options.frames = frames;
        options.dumpState = true;
        if (!replay.empty()) {
            options.replay = WriteReplay(folder, replay);
        }
        Ended ended;
        const RunResult result = RunHeadless(
            folder, options, nullptr, prepare,
            [&](Game& s) {
                ended.counters = s.state.counters;
                ended.stage = s.state.stage.CurrentStage;
                ended.stageCaption = s.screen.strip.StageText();
                ended.frames = s.run.framesRun;
            },
            lowSpec);
        ended.status = result.status;
        ended.dump = result.dump;
        ended.shown = AllTexts(result.messages);
        return ended;
    }
    ProgramFolder folder;
};

TEST_F(FlowTest, TwoIdenticalRunsDumpTheSameState) {
    StageFields f = FloorStage();
    f.map[55][30] = 14;
    f.map[50][10] = 6;
    folder.AddStage("a", "1-1", f);
    const Ended first = Play("1-1", 300, "20 39\n80 39 38\n120\n");
    const Ended second = Play("1-1", 300, "20 39\n80 39 38\n120\n");
    EXPECT_EQ(first.status, 0);
    EXPECT_NE(first.dump.find("\"frames\":300"), std::string::npos);
    EXPECT_EQ(first.dump, second.dump);
}

TEST_F(FlowTest, FramesZeroStopsOnceTheFirstStageHasLoaded) {
    folder.AddStage("a", "1-1", FloorStage());
    const Ended ended = Play("1-1", 0);
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.frames, 0u);
    EXPECT_NE(ended.dump.find("\"CurrentStage\":\"1-1\""), std::string::npos);
    EXPECT_NE(ended.dump.find("\"PlayerX\":32"), std::string::npos);
}

TEST_F(FlowTest, MissingSettingsFileIsNamed) {
    folder.AddStage("a", "1-1", FloorStage());
    folder.Remove("morva2.cfh");
    const Ended ended = Play("1-1", 0);
    EXPECT_EQ(ended.status, 1);
    EXPECT_NE(ended.shown.find("morva2.cfh"), std::string::npos);
}

TEST_F(FlowTest, LowSpecBuildReadsItsOwnSettingsFile) {
    folder.AddStage("a", "1-1", FloorStage());
    folder.Remove("morva2.cfh");
    EXPECT_EQ(Play("1-1", 0, "", true).status, 0);
}

TEST_F(FlowTest, MissingPlayerPictureIsNamed) {
    folder.AddStage("a", "1-1", FloorStage());
    folder.Remove("me/---3.bmp");
    const Ended ended = Play("1-1", 0);
    EXPECT_EQ(ended.status, 1);
    EXPECT_NE(ended.shown.find("---3.bmp"), std::string::npos);
}

TEST_F(FlowTest, MissingSoundFileIsNamed) {
    folder.AddStage("a", "1-1", FloorStage());
    folder.Remove("sound/coin.wav");
    const Ended ended = Play("1-1", 0);
    EXPECT_EQ(ended.status, 1);
    EXPECT_NE(ended.shown.find("coin.wav"), std::string::npos);
}

TEST_F(FlowTest, NoStageFolderGivesAClearMessage) {
    const Ended ended = Play("1-1", 0);
    EXPECT_EQ(ended.status, 1);
    EXPECT_NE(ended.shown.find("No stage folder"), std::string::npos);
}

TEST_F(FlowTest, LosingTheLastLifeEndsAStageRunInGameOver) {
    folder.AddStage("a", "1-1", FloorStage(0));
    const Ended ended = Play("1-1", std::nullopt);
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.counters.Lives, -1);
    EXPECT_EQ(ended.frames, 6u);  // five retries after the first life
    EXPECT_EQ(ended.counters.Score, 0);
    EXPECT_EQ(ended.stageCaption, "");
}

TEST_F(FlowTest, GiveUpKeyCostsOneLifeAndRetriesTheStage) {
    folder.AddStage("a", "1-1", FloorStage());
    const Ended ended = Play("1-1", 10, "3 71\n4\n");
    EXPECT_EQ(ended.counters.Lives, 4);
    EXPECT_EQ(ended.stage, "1-1");
}

TEST_F(FlowTest, F11CostsAllLives) {
    folder.AddStage("a", "1-1", FloorStage());
    const Ended ended = Play("1-1", std::nullopt, "3 122\n");
    EXPECT_EQ(ended.counters.Lives, -1);
    EXPECT_EQ(ended.frames, 3u);
}

TEST_F(FlowTest, GoalLoadsTheNextStageAfterTheTimeBonus) {
    StageFields first = FloorStage(150);
    first.map[55][2] = 3;
    first.nextStage = "1-2";
    folder.AddStage("a", "1-1", first);
    folder.AddStage("a", "1-2", FloorStage(100));
    const Ended ended = Play("1-1", 2);
    EXPECT_EQ(ended.stage, "1-2");
    EXPECT_EQ(ended.counters.Score, 1500);
    EXPECT_DOUBLE_EQ(ended.counters.TimeLeft, 100);
}

TEST_F(FlowTest, SecondGoalFollowsItsOwnNextStage) {
    StageFields first = FloorStage(150);
    first.map[55][2] = 19;
    first.nextStage = "1-2";
    first.nextStage2 = "bonus";
    folder.AddStage("a", "1-1", first);
    folder.AddStage("a", "1-2", FloorStage());
    folder.AddStage("a", "bonus", FloorStage());
    EXPECT_EQ(Play("1-1", 2).stage, "bonus");
}

TEST_F(FlowTest, AllClearResetsScoreAndEndsAStageRun) {
    StageFields last = FloorStage(20);
    last.map[55][2] = 3;
    folder.AddStage("a", "1-1", last);
    const Ended ended = Play("1-1", std::nullopt);
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.frames, 1u);
    EXPECT_EQ(ended.counters.Score, 0);
    EXPECT_EQ(ended.stageCaption, "");
}

}  // namespace
}  // namespace tarn::game::testing
