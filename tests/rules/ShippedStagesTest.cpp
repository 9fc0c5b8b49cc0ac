// The stage folders shipped with the game: together they use every chip code and the
// veteran folder every kind of moving object; in each folder the goals lead from 1-1
// through every stage to all clear, goal 2 only leads on to a later stage of the same
// folder, and each start is a fair one.
#include <gtest/gtest.h>

#include <set>

#include "ShippedStages.h"

namespace tarn::game::testing {
namespace {

std::set<std::int32_t> CodesIn(const GameStageText& stage) {
    std::set<std::int32_t> codes;
    for (const auto& row : stage.rows) {
        codes.insert(row.begin(), row.end());
    }
    return codes;
}

const ShippedFolder& Folder(const std::string& name) {
    for (const ShippedFolder& folder : ShippedFolders()) {
        if (folder.name == name) {
            return folder;
        }
    }
    throw std::invalid_argument("no shipped folder " + name);
}

// The game offers the stage folders in the order of their names and starts in the first,
// which is to be the standard one.
TEST(ShippedStages, StandardFolderComesFirstByName) {
    ASSERT_FALSE(ShippedFolders().empty());
    EXPECT_EQ(ShippedFolders().front().name, "standard");
    for (const ShippedFolder& folder : ShippedFolders()) {
        EXPECT_LE(std::string("standard"), folder.name);
    }
}

TEST(ShippedStages, TogetherUseEveryChipCode) {
    std::set<std::int32_t> used;
    for (const ShippedFolder& folder : ShippedFolders()) {
        for (const auto& [name, stage] : ReadShippedFolder(folder)) {
            ASSERT_EQ(stage.lineCount, 96) << folder.name << "/" << name;
            const auto codes = CodesIn(stage);
            used.insert(codes.begin(), codes.end());
        }
    }
    for (int code = 0; code < kChipCodeCount; ++code) {
        EXPECT_TRUE(used.count(code)) << "chip code " << code << " is never used";
    }
}

// Walking kinds that start over nothing begin by falling, as their falling kinds.
std::set<ObjectKind> KindsAtTheStart(const GameStageText& text) {
    const GameState state = LoadedStage(text);
    const Stage& st = state.stage;
    std::set<ObjectKind> kinds;
    for (std::size_t i = 0; i < std::size_t(st.ObjCount); ++i) {
        ObjectKind kind = st.ObjKind[i];
        const int column = st.ObjX[i] / kChipSize, below = st.ObjY[i] / kChipSize + 1;
        if (kind == ObjectKind::TurningWalkingEnemy && st.Passable(column, below)) {
            kind = ObjectKind::TurningWalkingEnemyFalling;
        }
        kinds.insert(kind);
    }
    return kinds;
}

TEST(ShippedStages, VeteranFolderMeetsEveryKindOfMovingObject) {
    std::set<ObjectKind> met;
    for (const auto& [name, stage] : ReadShippedFolder(Folder("veteran"))) {
        const auto kinds = KindsAtTheStart(stage);
        met.insert(kinds.begin(), kinds.end());
    }
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        if (ObjectKind(kind) != ObjectKind::Defeated) {
            EXPECT_TRUE(met.count(ObjectKind(kind))) << "object kind " << kind << " never appears";
        }
    }
}

TEST(ShippedStages, GoalOneLeadsThroughEveryStageOfAFolderToAllClear) {
    for (const ShippedFolder& folder : ShippedFolders()) {
        const auto stages = ReadShippedFolder(folder);
        std::vector<std::string> visited;
        for (std::string name = "1-1"; name != "NONE" && visited.size() <= stages.size();) {
            ASSERT_TRUE(stages.count(name)) << folder.name << " has no stage " << name;
            visited.push_back(name);
            EXPECT_TRUE(CodesIn(stages.at(name)).count(Code(Chip::Goal1)))
                << folder.name << "/" << name << " has no goal 1";
            name = stages.at(name).NextStage;
        }
        EXPECT_EQ(visited, folder.stages) << folder.name;
        EXPECT_EQ(stages.at(folder.stages.back()).NextStage2, "NONE") << folder.name;
    }
}

TEST(ShippedStages, GoalTwoAppearsOnlyWhereItLeadsToALaterStageOfTheFolder) {
    int branches = 0;
    for (const ShippedFolder& folder : ShippedFolders()) {
        const auto stages = ReadShippedFolder(folder);
        for (const auto& [name, stage] : stages) {
            const bool hasGoal2 = CodesIn(stage).count(Code(Chip::Goal2)) != 0;
            EXPECT_EQ(hasGoal2, stage.NextStage2 != "NONE") << folder.name << "/" << name;
            if (hasGoal2) {
                EXPECT_TRUE(stages.count(stage.NextStage2))
                    << folder.name << "/" << name << " leads to " << stage.NextStage2;
                EXPECT_GT(stage.NextStage2, stage.NextStage) << folder.name << "/" << name;
                ++branches;
            }
        }
    }
    EXPECT_GE(branches, 2);
}

TEST(ShippedStages, PlayerStartsInAFreeCellOnSolidGround) {
    for (const ShippedFolder& folder : ShippedFolders()) {
        for (const auto& [name, stage] : ReadShippedFolder(folder)) {
            const int column = stage.PlayerX / kChipSize;
            const int row = stage.PlayerY / kChipSize;
            ASSERT_TRUE(row >= 0 && row + 1 < kMapRows && column >= 0) << name;
            ASSERT_LT(std::size_t(column), stage.rows[std::size_t(row)].size()) << name;
            ASSERT_LT(std::size_t(column), stage.rows[std::size_t(row) + 1].size()) << name;
            EXPECT_EQ(stage.rows[std::size_t(row)][std::size_t(column)], Code(Chip::Empty))
                << folder.name << "/" << name;
            const std::int32_t below = stage.rows[std::size_t(row) + 1][std::size_t(column)];
            EXPECT_TRUE(IsSolidCode(below)) << folder.name << "/" << name;
        }
    }
}

}  // namespace
}  // namespace tarn::game::testing
