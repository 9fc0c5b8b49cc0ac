// The planner's distance field on purpose-built stages: it falls towards the goal, knows
// how high a jump and a stomp reach, what bricks and the power key open, and leads a
// search to a clear without any route.
#include "game/planner/PlannerField.h"

#include <gtest/gtest.h>

#include "game/planner/PlannerSearch.h"
#include "game/planner/PlannerStage.h"
#include "support/StageText.h"

namespace tarn::planner {
namespace {

constexpr int kUnreachable = DistanceField::kUnreachable;

// A floor on row 20 and the start at (2, 19); the caller puts in the goal and the rest.
struct Builder {
    StageFields fields;
    Builder() {
        fields.background = "back.bmp";
        fields.startColumnIndex = 2;
        fields.startRowIndex = 19;
        for (int column = 0; column < kMapColumns; ++column) {
            Set(column, 20, Chip::UnbreakableBlock);
        }
    }
    Builder& Set(int column, int row, Chip chip) {
        fields.map[std::size_t(row)][std::size_t(column)] = std::uint8_t(Code(chip));
        return *this;
    }
    // A shelf of solid cells on a row, both ends included.
    Builder& Shelf(int first, int last, int row, Chip chip = Chip::UnbreakableBlock) {
        for (int column = first; column <= last; ++column) {
            Set(column, row, chip);
        }
        return *this;
    }
    GameState Start() const { return StartOfStage(ReadGameStage(WriteStageText(fields)), false); }
};

TEST(PlannerField, FallsCellByCellTowardsTheGoalAndIsZeroThere) {
    const GameState start = Builder().Set(14, 19, Chip::Goal1).Start();
    const DistanceField field(start, 1, false);
    EXPECT_EQ(field.FromCell(14, 19), 0);
    for (int column = 2; column < 14; ++column) {
        EXPECT_EQ(field.FromCell(column, 19), field.FromCell(column + 1, 19) + 1) << column;
    }
    EXPECT_EQ(field.Distance(start), field.FromCell(2, 19));
    // Goal 2 is asked for, and there is none.
    EXPECT_EQ(DistanceField(start, 2, false).Distance(start), kUnreachable);
}

TEST(PlannerField, AWalledInGoalIsOutOfReach) {
    Builder stage;
    stage.Set(14, 19, Chip::Goal1);
    for (int row = 0; row < 20; ++row) {
        stage.Set(12, row, Chip::UnbreakableBlock);
    }
    const GameState start = stage.Start();
    EXPECT_EQ(DistanceField(start, 0, true).Distance(start), kUnreachable);
}

TEST(PlannerField, AJumpClimbsFiveRowsAndAStompTen) {
    // A wall of five rows is climbed; one of seven is not, unless an enemy walks below it.
    Builder low;
    low.Set(30, 14, Chip::Goal1).Shelf(10, 40, 15);
    for (int row = 15; row < 20; ++row) {
        low.Set(9, row, Chip::UnbreakableBlock);
    }
    EXPECT_NE(DistanceField(low.Start(), 1, false).Distance(low.Start()), kUnreachable);

    Builder high;
    high.Set(30, 12, Chip::Goal1).Shelf(10, 40, 13);
    for (int row = 13; row < 20; ++row) {
        high.Set(9, row, Chip::UnbreakableBlock);
    }
    EXPECT_EQ(DistanceField(high.Start(), 1, false).Distance(high.Start()), kUnreachable);
    high.Set(6, 19, Chip::WalkingEnemy);
    EXPECT_NE(DistanceField(high.Start(), 1, false).Distance(high.Start()), kUnreachable);
}

TEST(PlannerField, BricksOpenUpwardsAndWithThePowerKeyDownwards) {
    // The goal lies in a room below a brick floor.
    Builder below;
    below.Shelf(0, 199, 25).Shelf(5, 199, 20, Chip::BreakableBlock).Set(20, 24, Chip::Goal1);
    GameState start = below.Start();
    EXPECT_EQ(DistanceField(start, 1, false).Distance(start), kUnreachable);
    const DistanceField powered(start, 1, true);
    const int before = powered.Distance(start);
    ASSERT_NE(before, kUnreachable);
    // A brick broken earns back what the field charged for it.
    start.stage.SetChip(30, 20, Code(Chip::Empty));
    start.stage.SetPassable(30, 20, true);
    EXPECT_LT(powered.Distance(start), before);

    // The goal lies on a shelf above a brick ceiling.
    Builder above;
    above.Shelf(0, 199, 16).Set(5, 16, Chip::BreakableBlock).Set(20, 15, Chip::Goal1);
    const GameState under = above.Start();
    EXPECT_NE(DistanceField(under, 1, false).Distance(under), kUnreachable);
}

TEST(PlannerField, LeadsASearchToAClearWithoutARoute) {
    // A step of three rows and a pit on the way to the goal.
    Builder stage;
    stage.Set(40, 19, Chip::Goal1).Shelf(12, 20, 17).Shelf(12, 20, 18).Shelf(12, 20, 19);
    stage.Shelf(24, 27, 20, Chip::Empty);
    const GameState start = stage.Start();
    const DistanceField field(start, 1, false);
    PlanOptions options;
    options.field = &field;
    options.beam = 20;
    options.maxFrames = 900;
    options.reportEvery = 0;
    const PlanResult plan = FindPlan(options, start);
    ASSERT_TRUE(plan.found) << plan.failure;
    EXPECT_GT(plan.path.back().first, 30 * kChipSize);
}

}  // namespace
}  // namespace tarn::planner
