// Time limit, hurry-up music and the time label.
#include <gtest/gtest.h>

#include <cmath>

#include "Scenario.h"

namespace tarn::game::testing {
namespace {

TEST(TimeText, PadsToThreePlacesCountingTheSign) {
    EXPECT_EQ(TimeText(5), "time 005");
    EXPECT_EQ(TimeText(45), "time 045");
    EXPECT_EQ(TimeText(123), "time 123");
    EXPECT_EQ(TimeText(1234), "time 1234");
    EXPECT_EQ(TimeText(0), "time 000");
}

TEST(TimeText, NegativeValuesKeepTheirSignInsideThePadding) {
    EXPECT_EQ(TimeText(-1), "time 00-1");
    EXPECT_EQ(TimeText(-0.5), "time 00-1");
    EXPECT_EQ(TimeText(-12), "time 0-12");
}

TEST(TimeText, RoundsDown) {
    EXPECT_EQ(TimeText(45.99), "time 045");
    EXPECT_EQ(TimeText(0.2), "time 000");
}

TEST(TimeText, ExtremeValuesDoNotOverflow) {
    EXPECT_EQ(TimeText(1e300), "time 1000000000000000");
    EXPECT_EQ(TimeText(std::nan("")), "time 000");
}

std::vector<std::string> Floor() {
    std::vector<std::string> rows(10, "");
    rows.push_back(std::string(200, '2'));
    return rows;
}

TEST(Time, RunningOutCostsTheLife) {
    Scenario game(Floor());
    game.PlaceAtCell(5, 9).Hold(kRight);
    game.state.counters.TimeLeft = 0;
    game.Run(1);
    EXPECT_EQ(game.outcome(), Outcome::Dead);
    EXPECT_EQ(game.player().PlayerX, 80);  // nothing else of the frame ran
}

TEST(Time, HurryUpSwitchesTheMusicOnce) {
    Scenario game(Floor());
    game.PlaceAtCell(5, 9);
    game.state.counters.TimeLeft = 50.5;
    game.Run(3);
    EXPECT_TRUE(game.services.sounds.empty());
    game.state.counters.TimeLeft = 50;
    game.Run(3);
    const std::vector<std::pair<SoundId, SoundOp>> expected = {{SoundId::endh, SoundOp::Play},
                                                               {SoundId::bgn, SoundOp::Stop},
                                                               {SoundId::bgn, SoundOp::Rewind},
                                                               {SoundId::bg, SoundOp::Rewind},
                                                               {SoundId::bg, SoundOp::PlayLooping}};
    EXPECT_EQ(game.services.sounds, expected);
    EXPECT_EQ(game.state.loop.HurryUp, -1);
}

TEST(Sounds, FileNamesFollowTheSoundOrder) {
    EXPECT_STREQ(SoundFileName(SoundId::jump01), "jump01");
    EXPECT_STREQ(SoundFileName(SoundId::break_), "break");
    EXPECT_STREQ(SoundFileName(SoundId::oneUp), "1up");
    EXPECT_STREQ(SoundFileName(SoundId::tded), "tded");
}

TEST(Outcome, TextsAreTheLoopsCodes) {
    EXPECT_STREQ(OutcomeText(Outcome::None), "");
    EXPECT_STREQ(OutcomeText(Outcome::Clear), "CL");
    EXPECT_STREQ(OutcomeText(Outcome::Dead), "DED");
}

TEST(StageCells, ProbesOutsideTheArraysAreEmptyAndPassable) {
    Stage stage;
    EXPECT_EQ(stage.Chip(-1, 0), -1);
    EXPECT_EQ(stage.Chip(0, 61), -1);
    EXPECT_EQ(stage.Chip(202, 5), -1);
    EXPECT_TRUE(stage.Passable(-1, -1));
    EXPECT_TRUE(stage.Passable(500, 3));
    stage.SetChip(-1, 0, 7);
    stage.SetPassable(0, 61, false);
    stage.SetChip(3, 4, 21);
    EXPECT_EQ(stage.Chip(3, 4), 21);
}

}  // namespace
}  // namespace tarn::game::testing
