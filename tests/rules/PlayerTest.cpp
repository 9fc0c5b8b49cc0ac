// Player movement: gravity, the jump and its height, walking, dashing and the power key.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "Scenario.h"

namespace tarn::game::testing {
namespace {

const std::string kFloor(200, '2');

std::vector<std::string> FloorAt(int row) {
    std::vector<std::string> rows(std::size_t(row), "");
    rows.push_back(kFloor);
    return rows;
}

int HighestPoint(Scenario& game, int frames) {
    int top = INT_MAX;
    game.observer = [&](const GameState& s) { top = std::min(top, s.player.PlayerY); };
    game.Run(frames);
    game.observer = nullptr;
    return top;
}

TEST(Jump, FullJumpRisesEightyPixels) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(5, 9).Hold(kJump);
    EXPECT_EQ(HighestPoint(game, 60), 144 - 80);
    EXPECT_EQ(game.player().PlayerY, 144);
}

TEST(Jump, LowSpecFullJumpAlsoRisesEightyPixels) {
    Scenario game(FloorAt(10), true);
    game.PlaceAtCell(5, 9).Hold(kJump);
    EXPECT_EQ(HighestPoint(game, 40), 144 - 80);
    EXPECT_EQ(game.player().PlayerY, 144);
}

TEST(Jump, RisesForTwentyTwoFramesThenSinksForFour) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(5, 9).Hold(kJump);
    std::vector<int> heights;
    game.observer = [&](const GameState& s) { heights.push_back(s.player.PlayerY); };
    game.Run(26);
    EXPECT_EQ(heights[21], 64);
    EXPECT_EQ(heights[25], 72);
    EXPECT_EQ(game.player().JumpState, -1);
    EXPECT_EQ(game.player().JumpArmed, 0);
}

TEST(Jump, HoldingTheKeyWhileLandingDoesNotJumpAgain) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(5, 9).Hold(kJump);
    game.Run(60);
    EXPECT_EQ(HighestPoint(game, 30), 144);
    game.Release(kJump).Run(1);
    game.Hold(kJump);
    EXPECT_EQ(HighestPoint(game, 30), 64);
}

TEST(Jump, ReleasingTheKeyEndsTheRise) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(5, 9).Hold(kJump);
    game.Run(5);
    game.Release(kJump);
    EXPECT_EQ(HighestPoint(game, 30), 144 - 20);
}

TEST(Jump, NoRiseBeforeFirstStandingOnGround) {
    Scenario game(FloorAt(10));
    game.PlaceAt(80, 140).Hold(kJump);
    game.player().JumpArmed = -1;
    FrameContext frame{game.state, game.layers, game.pictures, game.services};
    game.player().JumpState = 5;  // held by a lift: no fall this frame
    GroundAndGravity(frame);
    JumpAndCeiling(frame);
    EXPECT_EQ(game.player().PlayerY, 142);
    EXPECT_EQ(game.player().JumpArmed, 0);
}

TEST(Jump, StompGivesADoubleHeightJump) {
    std::vector<std::string> rows(20, "");
    rows.push_back(std::string(10, '0') + "F");  // a hovering enemy at (10, 20)
    Scenario game(rows);
    game.PlaceAtCell(10, 2).Hold(kJump);
    int stompedAt = 0;
    ASSERT_TRUE(game.RunUntil(
        [&](const GameState& s) {
            if (s.stage.ObjKind[0] != ObjectKind::Defeated) {
                stompedAt = s.player.PlayerY;
            }
            return s.stage.ObjKind[0] == ObjectKind::Defeated;
        },
        120));
    EXPECT_EQ(stompedAt, 320 - 16);
    EXPECT_EQ(HighestPoint(game, 60), stompedAt - 160);
}

TEST(Gravity, FallsFourPixelsAFrameAfterRealigning) {
    Scenario game(FloorAt(20));
    game.PlaceAt(80, 34);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerY, 36);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerY, 40);
    EXPECT_EQ(game.player().JumpState, -1);
}

TEST(Gravity, LowSpecFallsEightPixelsAFrame) {
    Scenario game(FloorAt(20), true);
    game.PlaceAt(80, 36);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerY, 40);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerY, 48);
}

std::vector<std::string> GapInFloor(int gapColumn) {
    std::vector<std::string> rows(10, "");
    std::string floor = kFloor;
    floor[std::size_t(gapColumn)] = '0';
    rows.push_back(floor);
    return rows;
}

TEST(Gravity, OneCellGapIsFallenIntoOnlyWhenExactlyAboveIt) {
    for (int x = 16 * 7 - 14; x <= 16 * 7 + 14; x += 2) {
        Scenario game(GapInFloor(7));
        game.PlaceAt(x, 144);
        game.Run(3);
        EXPECT_EQ(game.player().PlayerY > 144, x == 112) << "x = " << x;
    }
}

TEST(Gravity, LowSpecGapIsFallenIntoOnlyWhenExactlyAboveIt) {
    for (int x = 16 * 7 - 12; x <= 16 * 7 + 12; x += 4) {
        Scenario game(GapInFloor(7), true);
        game.PlaceAt(x, 144);
        game.Run(3);
        EXPECT_EQ(game.player().PlayerY > 144, x == 112) << "x = " << x;
    }
}

TEST(Gravity, FallingBelowTheMapCostsTheLife) {
    Scenario game({});
    game.PlaceAt(80, 900);
    game.Run(100);
    EXPECT_EQ(game.outcome(), Outcome::Dead);
    EXPECT_GT(game.player().PlayerY, 944);
}

std::vector<std::string> WallAt(int column) {
    std::vector<std::string> rows(9, "");
    rows.push_back(std::string(std::size_t(column), '0') + "2");
    rows.push_back(kFloor);
    return rows;
}

TEST(Walking, StopsFlushAgainstAWallOnTheRight) {
    Scenario game(WallAt(12));
    game.PlaceAtCell(5, 9).Hold(kRight);
    game.Run(80);
    EXPECT_EQ(game.player().PlayerX, 11 * 16);
}

TEST(Walking, OffTheGridTheWallIsOverlappedByOnePixel) {
    Scenario game(WallAt(12));
    game.PlaceAt(83, 144).Hold(kRight);
    game.Run(80);
    EXPECT_EQ(game.player().PlayerX, 11 * 16 + 1);
}

TEST(Walking, DashStopsFlushAgainstAWall) {
    for (bool lowSpec : {false, true}) {
        Scenario game(WallAt(12), lowSpec);
        game.PlaceAtCell(5, 9).Hold(kRight).Hold(kDash);
        game.Run(80);
        EXPECT_EQ(game.player().PlayerX, 11 * 16);
        EXPECT_EQ(game.player().RunSpeed, 2);
    }
}

TEST(Walking, StopsFlushAgainstAWallOnTheLeft) {
    Scenario game(WallAt(2));
    game.PlaceAtCell(8, 9).Hold(kLeft).Hold(kDash);
    game.Run(80);
    EXPECT_EQ(game.player().PlayerX, 3 * 16);
}

TEST(Walking, DashOnlyStartsOnTheFourPixelGrid) {
    Scenario game(FloorAt(10));
    game.PlaceAt(82, 144).Hold(kRight).Hold(kDash);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerX, 84);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerX, 88);
    EXPECT_EQ(game.player().RunSpeed, 2);
}

TEST(Walking, AnimationCycleWrapsBothWays) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(20, 9).Hold(kRight);
    game.Run(6);
    EXPECT_EQ(game.player().PlayerFrame, 0);
    game.Hold(kLeft).Run(1);
    EXPECT_EQ(game.player().PlayerFrame, 7);
}

TEST(Walking, InTheAirAtACellBoundaryTheCellDiagonallyBelowMustBeFree) {
    std::vector<std::string> rows(6, "");
    rows.push_back(std::string(6, '0') + "2");
    Scenario game(rows);
    game.PlaceAtCell(5, 5).Hold(kRight);
    game.player().JumpState = -1;
    FrameContext frame{game.state, game.layers, game.pictures, game.services};
    MoveAndDrawPlayer(frame);
    EXPECT_EQ(game.player().PlayerX, 80);
}

TEST(PowerKey, HoldingStopsWalkingAndLastsOneAndAHalfSeconds) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(5, 9).Hold(kRight).Hold(kPower);
    game.Run(1);
    EXPECT_EQ(game.player().PlayerX, 80);
    EXPECT_EQ(game.player().PowerUntil, 1000 + 1500);
    game.services.now = 2501;
    game.Run(1);
    EXPECT_EQ(game.player().PowerUntil, -1);
    game.Run(1);
    EXPECT_EQ(game.player().PowerUntil, -1);
    game.Release(kPower).Run(1);
    EXPECT_EQ(game.player().PowerUntil, 0);
    EXPECT_EQ(game.player().PlayerX, 82);
}

TEST(GiveUp, KeyCostsTheLife) {
    Scenario game(FloorAt(10));
    game.PlaceAtCell(5, 9).Hold(kGiveUp);
    game.Run(1);
    EXPECT_EQ(game.outcome(), Outcome::Dead);
}

TEST(Keys, NewestDirectionKeyWins) {
    KeyState keys;
    const KeyBindings bindings;
    keys.Press(kRight, bindings);
    keys.Press(kLeft, bindings);
    EXPECT_FALSE(keys.Held(kRight));
    EXPECT_TRUE(keys.Held(kLeft));
    keys.Release(kLeft);
    EXPECT_FALSE(keys.Held(kLeft));
    EXPECT_FALSE(keys.Held(kRight));
}

TEST(Keys, OutOfRangeCodesAreIgnored) {
    KeyState keys;
    keys.Press(300, KeyBindings{});
    keys.Press(-1, KeyBindings{});
    EXPECT_FALSE(keys.Held(300));
    EXPECT_EQ(std::count(keys.state.begin(), keys.state.end(), 0), 256);
}

}  // namespace
}  // namespace tarn::game::testing
