// The stage folder shipped with the game: together the stages use every chip code, the
// goals lead from 1-1 through every stage to all clear, and each start is a fair one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "support/StageText.h"

namespace tarn::game::testing {
namespace {

const std::vector<std::string> kStages = {"1-1", "1-2", "1-3", "1-4"};

std::map<std::string, GameStageText> ShippedStages() {
    const char* source = std::getenv("TARN_SOURCE_DIR");
    const std::filesystem::path folder =
        std::filesystem::path(source != nullptr ? source : ".") / "assets" / "stages" / "standard";
    std::map<std::string, GameStageText> stages;
    for (const std::string& name : kStages) {
        std::ifstream file(folder / (name + ".txt"), std::ios::binary);
        EXPECT_TRUE(file) << "cannot open " << (folder / (name + ".txt"));
        std::ostringstream text;
        text << file.rdbuf();
        stages[name] = ReadGameStage(text.str());
    }
    return stages;
}

std::set<std::int32_t> CodesIn(const GameStageText& stage) {
    std::set<std::int32_t> codes;
    for (const auto& row : stage.rows) {
        codes.insert(row.begin(), row.end());
    }
    return codes;
}

TEST(ShippedStages, TogetherUseEveryChipCode) {
    std::set<std::int32_t> used;
    for (const auto& [name, stage] : ShippedStages()) {
        ASSERT_EQ(stage.lineCount, 96) << name;
        const auto codes = CodesIn(stage);
        used.insert(codes.begin(), codes.end());
    }
    for (int code = 0; code < kChipCodeCount; ++code) {
        EXPECT_TRUE(used.count(code)) << "chip code " << code << " is never used";
    }
}

TEST(ShippedStages, GoalOneLeadsThroughEveryStageToAllClear) {
    const auto stages = ShippedStages();
    std::vector<std::string> visited;
    for (std::string name = "1-1"; name != "NONE" && visited.size() <= stages.size();) {
        ASSERT_TRUE(stages.count(name)) << "no stage " << name;
        visited.push_back(name);
        EXPECT_TRUE(CodesIn(stages.at(name)).count(Code(Chip::Goal1))) << name << " has no goal 1";
        name = stages.at(name).NextStage;
    }
    EXPECT_EQ(visited, kStages);
    EXPECT_EQ(stages.at(kStages.back()).NextStage2, "NONE");
}

TEST(ShippedStages, GoalTwoAppearsOnlyWhereItLeadsToAStage) {
    int branches = 0;
    const auto stages = ShippedStages();
    for (const auto& [name, stage] : stages) {
        const bool hasGoal2 = CodesIn(stage).count(Code(Chip::Goal2)) != 0;
        EXPECT_EQ(hasGoal2, stage.NextStage2 != "NONE") << name;
        if (hasGoal2) {
            EXPECT_TRUE(stages.count(stage.NextStage2)) << name << " leads to " << stage.NextStage2;
            ++branches;
        }
    }
    EXPECT_GE(branches, 1);
}

TEST(ShippedStages, PlayerStartsInAFreeCellOnSolidGround) {
    for (const auto& [name, stage] : ShippedStages()) {
        const int column = stage.PlayerX / kChipSize;
        const int row = stage.PlayerY / kChipSize;
        ASSERT_TRUE(row >= 0 && row + 1 < kMapRows && column >= 0) << name;
        ASSERT_LT(std::size_t(column), stage.rows[std::size_t(row)].size()) << name;
        ASSERT_LT(std::size_t(column), stage.rows[std::size_t(row) + 1].size()) << name;
        EXPECT_EQ(stage.rows[std::size_t(row)][std::size_t(column)], Code(Chip::Empty)) << name;
        const std::int32_t below = stage.rows[std::size_t(row) + 1][std::size_t(column)];
        EXPECT_TRUE(IsSolidCode(below)) << name;
        EXPECT_GE(stage.TimeLeft, 200) << name;
    }
}

}  // namespace
}  // namespace tarn::game::testing
