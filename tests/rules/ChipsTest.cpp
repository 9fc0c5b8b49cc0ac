// Map chips: head hits, crushing, items, goals and spikes.
#include <gtest/gtest.h>

#include "Scenario.h"

namespace tarn::game::testing {
namespace {

const std::string kFloor(200, '2');

// A floor at row 10 with the given cells placed: {column, row, chip character}.
struct Cell {
    int column, row;
    char chip;
};
std::vector<std::string> StageWith(std::initializer_list<Cell> cells, char floor = '2') {
    std::vector<std::string> rows(10, std::string(200, '0'));
    rows.push_back(std::string(200, floor));
    for (const Cell& cell : cells) {
        rows[std::size_t(cell.row)][std::size_t(cell.column)] = cell.chip;
    }
    return rows;
}

TEST(HeadHit, BreaksABlockHitWithBothProbesOnce) {
    Scenario game(StageWith({{5, 6, '1'}}));
    game.PlaceAtCell(5, 9).Hold(kJump);
    game.Run(40);
    EXPECT_EQ(game.state.stage.Chip(5, 6), Code(Chip::Empty));
    EXPECT_TRUE(game.state.stage.Passable(5, 6));
    EXPECT_EQ(game.state.counters.Score, 10);
    EXPECT_EQ(game.services.Count(SoundId::break_, SoundOp::Play), 1);
}

TEST(HeadHit, BreaksTwoBlocksWhenTheHeadSpansThem) {
    Scenario game(StageWith({{5, 6, '1'}, {6, 6, '1'}}));
    game.PlaceAt(88, 144).Hold(kJump);
    game.Run(40);
    EXPECT_EQ(game.state.stage.Chip(5, 6), Code(Chip::Empty));
    EXPECT_EQ(game.state.stage.Chip(6, 6), Code(Chip::Empty));
    EXPECT_EQ(game.state.counters.Score, 20);
}

TEST(HeadHit, HiddenBlockAppearsAsSolidForFiftyPoints) {
    Scenario game(StageWith({{5, 6, 'A'}}));
    game.PlaceAtCell(5, 9).Hold(kJump);
    int highest = 144;
    game.observer = [&](const GameState& s) { highest = std::min(highest, s.player.PlayerY); };
    game.Run(40);
    EXPECT_EQ(game.state.stage.Chip(5, 6), Code(Chip::UnbreakableBlock));
    EXPECT_TRUE(game.state.stage.Solid(5, 6));
    EXPECT_EQ(game.state.counters.Score, 50);
    EXPECT_EQ(highest, 108);  // the head reached row 6 and the rise ended there
}

TEST(HeadHit, HiddenExtraLifeBlockPutsTheItemAbove) {
    Scenario game(StageWith({{5, 6, 'M'}}));
    game.PlaceAtCell(5, 9).Hold(kJump);
    game.Run(40);
    EXPECT_EQ(game.state.stage.Chip(5, 6), Code(Chip::UnbreakableBlock));
    EXPECT_EQ(game.state.stage.Chip(5, 5), Code(Chip::ExtraLife));
    EXPECT_EQ(game.state.counters.Score, 0);
    EXPECT_EQ(game.layers.MainV.Pixel(5 * 16, 5 * 16), game.pictures.BrTip[20].Pixel(0, 0));
}

TEST(HeadHit, CoinBlockPutsItsCoinAboveForAPlayerStandingThereNextFrame) {
    Scenario game(StageWith({{5, 6, 'L'}}));
    game.PlaceAtCell(5, 9).Hold(kJump);
    ASSERT_TRUE(game.RunUntil(
        [](const GameState& s) { return s.stage.Chip(5, 6) == Code(Chip::UnbreakableBlock); }, 40));
    EXPECT_EQ(game.state.stage.Chip(5, 5), Code(Chip::Coin));
    EXPECT_TRUE(game.state.stage.Solid(5, 6));
    // Standing on the spent block, the player is in the coin's cell.
    game.ReleaseAll().PlaceAtCell(5, 5);
    game.Run(1);
    EXPECT_EQ(game.state.stage.Chip(5, 5), Code(Chip::Empty));
    EXPECT_EQ(game.state.counters.Coins, 1);
    EXPECT_EQ(game.state.counters.Score, 10);
}

TEST(HeadHit, ItemBlockInTheTopRowTurnsSolidAndLosesItsItem) {
    std::vector<std::string> rows = {std::string(5, '0') + "N", "", "", "", "", kFloor};
    Scenario game(rows);
    game.PlaceAtCell(5, 4).Hold(kJump);
    game.Run(40);
    EXPECT_EQ(game.state.stage.Chip(5, 0), Code(Chip::UnbreakableBlock));
    EXPECT_TRUE(game.state.stage.Solid(5, 0));
    EXPECT_EQ(game.state.counters.Lives, 5);
}

TEST(PowerMode, CrushesBothBreakableCellsUnderThePlayer) {
    Scenario game(StageWith({}, '1'));
    game.PlaceAt(88, 144).Hold(kPower);
    game.Run(2);
    EXPECT_EQ(game.state.stage.Chip(5, 10), Code(Chip::Empty));
    EXPECT_EQ(game.state.stage.Chip(6, 10), Code(Chip::Empty));
    EXPECT_EQ(game.state.counters.Score, 20);
    game.Run(2);
    EXPECT_GT(game.player().PlayerY, 144);
}

TEST(Items, CoinInTheRowBelowIsTakenBeforeEnteringIt) {
    Scenario game(StageWith({{5, 10, '5'}}));
    game.PlaceAtCell(5, 9);
    game.Run(1);
    EXPECT_EQ(game.state.counters.Coins, 1);
    EXPECT_EQ(game.services.Count(SoundId::coin, SoundOp::Rewind), 1);
}

TEST(Items, ExtraLifeItemGivesALife) {
    Scenario game(StageWith({{6, 9, 'K'}}));
    game.PlaceAt(88, 144);
    game.Run(1);
    EXPECT_EQ(game.state.counters.Lives, 6);
    EXPECT_EQ(game.livesShown, std::vector<std::int32_t>{6});
    EXPECT_EQ(game.state.stage.Chip(6, 9), Code(Chip::Empty));
}

TEST(Items, HundredCoinsGiveALife) {
    Scenario game(StageWith({{5, 9, '5'}}));
    game.state.counters.Coins = 99;
    game.PlaceAtCell(5, 9);
    game.Run(1);
    EXPECT_EQ(game.state.counters.Coins, 0);
    EXPECT_EQ(game.state.counters.Lives, 6);
    EXPECT_EQ(game.services.Count(SoundId::oneUp, SoundOp::Play), 1);
}

TEST(Goals, GoalBeatsASpikeInTheRowBelow) {
    Scenario game(StageWith({{5, 10, '3'}, {6, 10, '4'}}));
    game.PlaceAt(88, 144);
    game.Run(1);
    EXPECT_EQ(game.outcome(), Outcome::Clear);
}

TEST(Goals, GoalBeatsASpikeInTheOwnRow) {
    Scenario game(StageWith({{5, 9, '4'}, {6, 9, '3'}}));
    game.PlaceAt(88, 144);
    game.Run(1);
    EXPECT_EQ(game.outcome(), Outcome::Clear);
}

TEST(Goals, GoalTwoReplacesTheNextStage) {
    Scenario game(StageWith({{6, 9, 'J'}}));
    game.state.stage.NextStage = "1-2";
    game.state.stage.NextStage2 = "1-3";
    game.PlaceAtCell(5, 9).Hold(kRight);
    game.Run(20);
    EXPECT_EQ(game.outcome(), Outcome::Clear);
    EXPECT_EQ(game.state.stage.NextStage, "1-3");
}

TEST(Goals, GoalOneKeepsTheNextStage) {
    Scenario game(StageWith({{6, 9, '3'}}));
    game.state.stage.NextStage = "1-2";
    game.state.stage.NextStage2 = "1-3";
    game.PlaceAtCell(5, 9).Hold(kRight);
    game.Run(20);
    EXPECT_EQ(game.outcome(), Outcome::Clear);
    EXPECT_EQ(game.state.stage.NextStage, "1-2");
}

TEST(Spikes, SpikeBelowKillsWithoutSinking) {
    Scenario game(StageWith({{5, 10, '4'}}));
    game.PlaceAt(70, 144);
    game.Run(1);
    EXPECT_EQ(game.outcome(), Outcome::Dead);
    EXPECT_EQ(game.player().PlayerY, 144);
}

TEST(Spikes, LeftProbeForSpikesBelowSitsSixPixelsIn) {
    Scenario game(StageWith({{5, 10, '4'}}));
    game.PlaceAt(90, 144);
    game.Run(1);
    EXPECT_EQ(game.outcome(), Outcome::None);
}

TEST(Spikes, SpikeInTheOwnRowSinksThePlayer) {
    for (bool lowSpec : {false, true}) {
        Scenario game(StageWith({{6, 9, '4'}}), lowSpec);
        game.PlaceAt(84, 144);
        game.Run(1);
        EXPECT_EQ(game.outcome(), Outcome::Dead);
        EXPECT_EQ(game.player().PlayerY, lowSpec ? 152 : 148);
    }
}

TEST(Spikes, PowerModeIsImmune) {
    Scenario game(StageWith({{5, 10, '4'}, {6, 9, '4'}}));
    game.PlaceAt(84, 144).Hold(kPower);
    game.player().PowerUntil = 5000;
    game.Run(4);
    EXPECT_EQ(game.outcome(), Outcome::None);
}

}  // namespace
}  // namespace tarn::game::testing
