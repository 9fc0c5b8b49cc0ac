// The check panel's problems: each is found on a stage built for it, names its cell or
// field, and the shipped stages have none.
#include "editor/doc/StageChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "StageFiles.h"
#include "editor/doc/GoalReach.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor {
namespace {

using ::tarn::testing::ScratchDir;

// A floor on row 50, the start on it at (5, 49), a goal at (30, 49).
StageDocument PlayableStage() {
    StageDocument doc;
    doc.properties.Text1 = "back.bmp";
    doc.properties.Text2 = "test";
    doc.properties.STX = 5;
    doc.properties.STYText = "50";  // row index 49
    for (int column = 0; column < kMapColumns; ++column) {
        doc.SetCell(column, 50, Code(Chip::UnbreakableBlock));
    }
    doc.SetCell(30, 49, Code(Chip::Goal1));
    return doc;
}

bool Mentions(const std::vector<CheckProblem>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(), [&](const CheckProblem& problem) {
        return problem.text.find(text) != std::string::npos;
    });
}

TEST(StageChecks, PlayableStageHasNoProblems) {
    const auto problems = CheckStage(PlayableStage());
    EXPECT_TRUE(problems.empty()) << problems.front().text;
}

TEST(StageChecks, MissingGoalIsFound) {
    StageDocument doc = PlayableStage();
    doc.SetCell(30, 49, Code(Chip::Empty));
    EXPECT_TRUE(Mentions(CheckStage(doc), "ゴールがありません"));
}

TEST(StageChecks, WalledInGoalIsUnreachable) {
    StageDocument doc = PlayableStage();
    for (int row = 40; row <= 49; ++row) {
        doc.SetCell(28, row, Code(Chip::UnbreakableBlock));
        doc.SetCell(32, row, Code(Chip::UnbreakableBlock));
    }
    for (int column = 28; column <= 32; ++column) {
        doc.SetCell(column, 40, Code(Chip::UnbreakableBlock));
    }
    const auto problems = CheckStage(doc);
    ASSERT_TRUE(Mentions(problems, "たどり着けるゴールがありません"));
    EXPECT_EQ(problems.front().column, 5);
    EXPECT_EQ(problems.front().row, 49);
}

TEST(StageChecks, HighWallIsTooHighButLowWallIsNot) {
    StageDocument doc = PlayableStage();
    for (int row = 50 - kGenerousJumpRows; row <= 49; ++row) {
        doc.SetCell(20, row, Code(Chip::UnbreakableBlock));
    }
    EXPECT_TRUE(ReachableGoal(doc.EditMap, 5, 49).has_value());  // one row can be climbed
    doc.SetCell(20, 49 - kGenerousJumpRows, Code(Chip::UnbreakableBlock));
    for (int row = 0; row < 50 - kGenerousJumpRows; ++row) {
        doc.SetCell(20, row, Code(Chip::UnbreakableBlock));
    }
    EXPECT_FALSE(ReachableGoal(doc.EditMap, 5, 49).has_value());
}

TEST(StageChecks, StartInsideABlockNamesTheCell) {
    StageDocument doc = PlayableStage();
    doc.SetCell(5, 49, Code(Chip::BreakableBlock));
    const auto problems = CheckStage(doc);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_TRUE(Mentions(problems, "ブロックの中"));
    EXPECT_TRUE(Mentions(problems, "(6, 50)"));
    EXPECT_EQ(problems[0].column, 5);
    EXPECT_EQ(problems[0].row, 49);
}

TEST(StageChecks, StartOverNoGroundIsFound) {
    StageDocument doc = PlayableStage();
    doc.SetCell(5, 50, Code(Chip::Empty));
    EXPECT_TRUE(Mentions(CheckStage(doc), "地面がありません"));
}

TEST(StageChecks, TimeLimitZeroIsFound) {
    StageDocument doc = PlayableStage();
    doc.properties.Times = "0";
    const auto problems = CheckStage(doc);
    ASSERT_TRUE(Mentions(problems, "制限時間が0"));
    EXPECT_EQ(problems[0].field, CheckField::TimeLimit);
}

TEST(StageChecks, NextStageMustBeInTheSameFolder) {
    ScratchDir folder;
    StageDocument doc = PlayableStage();
    doc.CurrentFile = folder.File("1-1.tr2");
    doc.properties.Text3 = "1-2";
    doc.properties.Text4 = "NONE";
    auto problems = CheckStage(doc);
    ASSERT_TRUE(Mentions(problems, "「1-2」が同じフォルダにありません"));
    EXPECT_EQ(problems[0].field, CheckField::NextStage);
    testing::WriteStage(folder.File("1-2.tr2"), doc.ToFields());
    EXPECT_TRUE(CheckStage(doc).empty());
}

TEST(StageChecks, FileCheckerProblemsAreListedWithTheirField) {
    StageDocument doc = PlayableStage();
    doc.properties.Text1.clear();
    doc.properties.STYText = "x";
    const auto problems = CheckStage(doc);
    ASSERT_GE(problems.size(), 2U);
    EXPECT_EQ(problems[0].field, CheckField::Background);
    EXPECT_EQ(problems[1].field, CheckField::StartPosition);
    EXPECT_TRUE(Mentions(problems, "ステージファイル: "));
}

TEST(StageChecks, ShippedStagesHaveNoProblems) {
    const std::filesystem::path data =
        std::filesystem::path(std::getenv("TARN_PROGRAM_DIR")) / "data";
    int checked = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(data)) {
        if (entry.path().extension() != ".tr2") {
            continue;
        }
        StageDocument doc;
        ASSERT_FALSE(OpenF(doc, entry.path().string()).has_value()) << entry.path();
        const auto problems = CheckStage(doc);
        EXPECT_TRUE(problems.empty()) << entry.path() << ": " << problems.front().text;
        ++checked;
    }
    EXPECT_GE(checked, 12);  // the standard folder's eight and the veteran folder's four
}

}  // namespace
}  // namespace tarn::editor
