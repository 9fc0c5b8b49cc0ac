// The replay planner as a library: it finds a script that clears a small stage under the
// real rules, reports none for a goal walled in, and keeps to its bounds.
#include "game/planner/PlannerSearch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "game/planner/PlannerStage.h"
#include "support/StageText.h"

namespace tarn::planner {
namespace {

// A floor on row 20, the start at (2, 19), a goal at (goalColumn, 19); walled adds a wall
// before the goal from the floor to the top of the map.
GameState SmallStage(bool walled, int timeLimit = 150, int goalColumn = 14) {
    StageFields fields;
    fields.background = "back.bmp";
    fields.startColumnIndex = 2;
    fields.startRowIndex = 19;
    fields.timeText = std::to_string(timeLimit);
    for (int column = 0; column < kMapColumns; ++column) {
        fields.map[20][std::size_t(column)] = std::uint8_t(Code(Chip::UnbreakableBlock));
    }
    fields.map[19][std::size_t(goalColumn)] = std::uint8_t(Code(Chip::Goal1));
    if (walled) {
        for (int row = 0; row < 20; ++row) {
            fields.map[std::size_t(row)][12] = std::uint8_t(Code(Chip::UnbreakableBlock));
        }
    }
    return StartOfStage(ReadGameStage(WriteStageText(fields)), false);
}

PlanOptions GoalOnly(int maxFrames = 600, int goalColumn = 14) {
    PlanOptions options;
    options.route = {{goalColumn * kChipSize, 19 * kChipSize, 16, false}};
    options.beam = 20;
    options.maxFrames = maxFrames;
    options.reportEvery = 0;
    return options;
}

TEST(PlannerSearch, FindsAScriptThatClearsASmallStage) {
    const PlanResult plan = FindPlan(GoalOnly(), SmallStage(false));
    ASSERT_TRUE(plan.found) << plan.failure;
    EXPECT_GT(plan.clearFrame, kPlanFirstFrame);
    EXPECT_EQ(plan.goal, 1);
    EXPECT_EQ(plan.keysFromFrame.size(), std::size_t(plan.clearFrame - kPlanFirstFrame + 1));
    // The path runs from the start towards the goal.
    ASSERT_GE(plan.path.size(), 2U);
    EXPECT_EQ(plan.path.front(), std::make_pair(2 * kChipSize, 19 * kChipSize));
    EXPECT_GT(plan.path.back().first, 12 * kChipSize);
    const std::string replay = ReplayText(plan, 1);
    EXPECT_NE(replay.find("# clears at frame " + std::to_string(plan.clearFrame)),
              std::string::npos);
}

TEST(PlannerSearch, ReportsNoneForAWalledInGoal) {
    const PlanResult plan = FindPlan(GoalOnly(300), SmallStage(true));
    EXPECT_FALSE(plan.found);
    EXPECT_FALSE(plan.cancelled);
    EXPECT_GT(plan.states, 0U);
    EXPECT_FALSE(plan.failure.empty());
}

TEST(PlannerSearch, StopsAtTheStateBound) {
    PlanOptions options = GoalOnly(3000);
    options.maxStates = 500;
    const PlanResult plan = FindPlan(options, SmallStage(true));
    EXPECT_FALSE(plan.found);
    EXPECT_GE(plan.states, 500U);
    EXPECT_LT(plan.states, 500U + options.beam * PlannerActions(false).size());
    EXPECT_EQ(plan.failure, "no clear within " + std::to_string(plan.states) + " states");
}

TEST(PlannerSearch, StopsWhenCancelled) {
    std::atomic<bool> cancel{false};
    PlanOptions options = GoalOnly(3000);
    options.cancel = &cancel;
    int steps = 0;
    options.progress = [&](int, std::uint64_t) {
        if (++steps == 3) {
            cancel = true;
        }
    };
    const PlanResult plan = FindPlan(options, SmallStage(true));
    EXPECT_TRUE(plan.cancelled);
    EXPECT_EQ(steps, 3);
}

TEST(PlannerSearch, AGoalBeyondTheTimeLimitIsNoClear) {
    // One time unit runs out at the first second; the goal is 1500 pixels away.
    EXPECT_TRUE(FindPlan(GoalOnly(3000, 96), SmallStage(false, 150, 96)).found);
    const PlanResult plan = FindPlan(GoalOnly(3000, 96), SmallStage(false, 1, 96));
    EXPECT_FALSE(plan.found);
    EXPECT_NE(plan.failure.find("died"), std::string::npos) << plan.failure;
}

}  // namespace
}  // namespace tarn::planner
