// The chip table: object kinds, solidity, starting steps and names of the 24 chip codes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/ChipTable.h"

namespace tarn {
namespace {

TEST(ChipTableTest, ObjectKindIsTheCodeLessSixExceptForTheDownVariants) {
    for (int code = 0; code < kChipCodeCount; ++code) {
        const std::optional<ObjectKind> object = FindChip(code)->object;
        if (code == Code(Chip::VerticalLiftDown)) {
            EXPECT_EQ(object, ObjectKind::VerticalLift);
        } else if (code == Code(Chip::VerticalSpikeDown)) {
            EXPECT_EQ(object, ObjectKind::VerticalSpike);
        } else if ((code >= 6 && code <= 9) || (code >= 11 && code <= 16)) {
            ASSERT_TRUE(object.has_value()) << code;
            EXPECT_EQ(int(*object), code - 6);
        } else {
            EXPECT_FALSE(object.has_value()) << code;
        }
        EXPECT_EQ(BecomesObject(code), object.has_value()) << code;
    }
}

TEST(ChipTableTest, NoCodeLoadsAsTheDefeatedKindOrAFallingTurner) {
    for (const ChipInfo& chip : kChipTable) {
        EXPECT_NE(chip.object, ObjectKind::Defeated) << chip.name;
        EXPECT_NE(chip.object, ObjectKind::TurningWalkingEnemyFalling) << chip.name;
    }
}

TEST(ChipTableTest, OnlyTheFourBlocksAreSolid) {
    const std::set<Chip> solid = {Chip::BreakableBlock, Chip::UnbreakableBlock, Chip::CoinBlock,
                                  Chip::ExtraLifeBlock};
    for (const ChipInfo& chip : kChipTable) {
        EXPECT_EQ(chip.solid, solid.count(chip.chip) == 1) << chip.name;
        EXPECT_EQ(IsSolidCode(Code(chip.chip)), chip.solid) << chip.name;
    }
}

TEST(ChipTableTest, StaticChipsHaveNoStepsAndEveryObjectMoves) {
    for (const ChipInfo& chip : kChipTable) {
        if (chip.object) {
            EXPECT_TRUE(chip.dx != 0 || chip.dy != 0) << chip.name;
        } else {
            EXPECT_EQ(chip.dx, 0) << chip.name;
            EXPECT_EQ(chip.dy, 0) << chip.name;
        }
    }
}

TEST(ChipTableTest, DownVariantsStartWithTheUpVariantsStepReversed) {
    EXPECT_EQ(InfoOf(Chip::VerticalLiftDown).dy, -InfoOf(Chip::VerticalLiftUp).dy);
    EXPECT_EQ(InfoOf(Chip::VerticalSpikeDown).dy, -InfoOf(Chip::VerticalSpikeUp).dy);
    EXPECT_GT(InfoOf(Chip::VerticalLiftUp).dy, 0);  // positive steps move up
    EXPECT_GT(InfoOf(Chip::VerticalSpikeUp).dy, 0);
}

TEST(ChipTableTest, CodesOutsideTheTableHaveNoEntryAndAreNeitherSolidNorObjects) {
    for (std::int32_t code : {-1, kChipCodeCount, 35, INT32_MIN}) {
        EXPECT_EQ(FindChip(code), nullptr) << code;
        EXPECT_FALSE(IsSolidCode(code)) << code;
        EXPECT_FALSE(BecomesObject(code)) << code;
    }
}

TEST(ChipTableTest, NamesAndPaletteTextsAreDistinctAndPresent) {
    std::set<std::string_view> names;
    std::set<std::string_view> texts;
    for (const ChipInfo& chip : kChipTable) {
        EXPECT_FALSE(chip.name.empty());
        EXPECT_FALSE(chip.paletteText.empty());
        names.insert(chip.name);
        texts.insert(chip.paletteText);
    }
    EXPECT_EQ(names.size(), kChipTable.size());
    EXPECT_EQ(texts.size(), kChipTable.size());
}

}  // namespace
}  // namespace tarn
