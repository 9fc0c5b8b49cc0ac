// The clearability check on the document: a small stage is cleared with a replay and a
// route, a walled-in goal gives "no clear found within N states", and a cancel stops it.
#include "editor/doc/ClearabilitySearch.h"

#include <gtest/gtest.h>

namespace tarn::editor {
namespace {

// A floor on row 30, the start at (3, 29), a goal at (20, 29), over a climb of two rows.
StageDocument SmallStage() {
    StageDocument doc;
    doc.properties.Text1 = "back.bmp";
    doc.properties.STX = 3;
    doc.properties.STYText = "30";
    for (int column = 0; column < kMapColumns; ++column) {
        doc.SetCell(column, 30, Code(Chip::UnbreakableBlock));
    }
    doc.SetCell(12, 29, Code(Chip::UnbreakableBlock));
    doc.SetCell(12, 28, Code(Chip::UnbreakableBlock));
    doc.SetCell(20, 29, Code(Chip::Goal1));
    return doc;
}

ClearabilityBounds Quick() {
    ClearabilityBounds bounds;
    bounds.maxStates = 400000;
    return bounds;
}

TEST(ClearabilitySearch, ClearsASmallStageWithAReplayAndARoute) {
    const ClearabilityResult result = SearchForClear(SmallStage(), Quick(), nullptr, nullptr);
    ASSERT_TRUE(result.found) << result.message;
    EXPECT_GT(result.clearFrame, 0);
    EXPECT_NE(result.replay.find("# clears at frame " + std::to_string(result.clearFrame)),
              std::string::npos);
    ASSERT_GE(result.route.size(), 2U);
    EXPECT_EQ(result.route.front(), std::make_pair(3 * kChipSize, 29 * kChipSize));
    EXPECT_NE(result.message.find(std::to_string(result.clearFrame) + " フレーム"),
              std::string::npos);
    EXPECT_EQ(result.strategy, "distance field to goal 1; through goal 1");
}

TEST(ClearabilitySearch, ABrickFloorOverTheGoalIsCrushedWithThePowerKey) {
    StageDocument doc = SmallStage();
    doc.SetCell(20, 29, Code(Chip::Empty));
    for (int column = 0; column < kMapColumns; ++column) {
        doc.SetCell(column, 34, Code(Chip::UnbreakableBlock));
    }
    for (int column = 6; column < 16; ++column) {
        doc.SetCell(column, 30, Code(Chip::BreakableBlock));
    }
    doc.SetCell(10, 33, Code(Chip::Goal1));
    const ClearabilityResult result = SearchForClear(doc, Quick(), nullptr, nullptr);
    ASSERT_TRUE(result.found) << result.message;
    EXPECT_EQ(result.strategy, "distance field to goal 1, power key; through goal 1");
}

TEST(ClearabilitySearch, PlansForTheLowSpecBuildWhenAsked) {
    ClearabilityBounds bounds = Quick();
    bounds.lowSpec = true;
    int maxSeen = 0;
    const ClearabilityResult result =
        SearchForClear(SmallStage(), bounds, nullptr,
                       [&](int, int maxFrames, std::uint64_t) { maxSeen = maxFrames; });
    ASSERT_TRUE(result.found) << result.message;
    EXPECT_EQ(maxSeen, 150 * 30 / 2 + 30);  // the time limit at 30 frames a second
    // Doubled steps reach the goal in fewer frames than the normal build needs.
    EXPECT_LT(result.clearFrame,
              SearchForClear(SmallStage(), Quick(), nullptr, nullptr).clearFrame);
}

TEST(ClearabilitySearch, WalledInGoalIsNoClearWithinTheStatesTried) {
    StageDocument doc = SmallStage();
    for (int row = 0; row < 30; ++row) {
        doc.SetCell(18, row, Code(Chip::UnbreakableBlock));
    }
    const ClearabilityResult result = SearchForClear(doc, Quick(), nullptr, nullptr);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.message, "no clear found within " + std::to_string(result.states) + " states");
}

TEST(ClearabilitySearch, ProgressIsReportedAndCancelStops) {
    StageDocument doc = SmallStage();
    doc.SetCell(20, 29, Code(Chip::Empty));
    doc.SetCell(190, 29, Code(Chip::Goal1));
    std::atomic<bool> cancel{false};
    int reports = 0;
    int lastMax = 0;
    const ClearabilityResult result =
        SearchForClear(doc, Quick(), &cancel, [&](int frame, int maxFrames, std::uint64_t) {
            lastMax = maxFrames;
            EXPECT_LE(frame, maxFrames + 8);
            if (++reports == 5) {
                cancel = true;
            }
        });
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(reports, 5);
    EXPECT_EQ(lastMax, 150 * 60 / 2 + 60);  // the default time limit at 60 frames a second
}

}  // namespace
}  // namespace tarn::editor
