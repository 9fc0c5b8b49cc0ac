// Moving objects: enemies walking, falling and turning, lifts, wrapping, stomps.
#include <gtest/gtest.h>

#include <algorithm>

#include "Scenario.h"

namespace tarn::game::testing {
namespace {

const std::string kFloor(200, '2');

std::vector<std::string> Blank(int rows) {
    return std::vector<std::string>(std::size_t(rows), std::string(200, '0'));
}

void Put(std::vector<std::string>& rows, int column, int row, char chip) {
    if (int(rows.size()) <= row) {
        rows.resize(std::size_t(row) + 1, std::string(200, '0'));
    }
    rows[std::size_t(row)][std::size_t(column)] = chip;
}

void PutRun(std::vector<std::string>& rows, int from, int to, int row, char chip) {
    for (int column = from; column <= to; ++column) {
        Put(rows, column, row, chip);
    }
}

// A standing place at (9, 4) next to a shaft in column 10 holding hovering enemies every
// second row from row 6 down.
std::vector<std::string> StompShaft(int enemies) {
    auto rows = Blank(30);
    Put(rows, 9, 4, '2');
    for (int i = 0; i < enemies; ++i) {
        Put(rows, 10, 6 + 2 * i, 'F');
    }
    return rows;
}

TEST(Stomps, ChainScoresThenGivesLives) {
    Scenario game(StompShaft(8));
    game.PlaceAtCell(9, 3).Hold(kRight);
    ASSERT_TRUE(game.RunUntil([](const GameState& s) { return s.player.PlayerX == 160; }, 20));
    game.ReleaseAll();
    game.RunUntil([](const GameState& s) { return s.stage.ObjKind[7] == ObjectKind::Defeated; },
                  400);
    std::vector<std::string> texts;
    for (const auto& printed : game.services.printed) {
        texts.push_back(printed.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"100", " 200", " 400", " 800", " 1600", " 3200",
                                               "1UP!", "1UP!"}));
    EXPECT_EQ(game.state.counters.Score, 6300);
    EXPECT_EQ(game.state.counters.Lives, 7);
    EXPECT_EQ(game.livesShown, (std::vector<std::int32_t>{6, 7}));
    EXPECT_EQ(game.services.Count(SoundId::tded, SoundOp::Stop), 8);
}

TEST(Stomps, TextIsPrintedAtTheEnemy) {
    Scenario game(StompShaft(1));
    game.PlaceAtCell(9, 3).Hold(kRight);
    game.RunUntil([](const GameState& s) { return s.player.PlayerX == 160; }, 20);
    game.ReleaseAll();
    game.RunUntil([](const GameState& s) { return s.stage.ObjKind[0] == ObjectKind::Defeated; },
                  100);
    ASSERT_EQ(game.services.printed.size(), 1u);
    EXPECT_EQ(game.services.printed[0].x, 160);
    EXPECT_EQ(game.services.printed[0].y, 96);
}

TEST(Stomps, WithThePowerKeyHeldScoreByTheStompRules) {
    Scenario game(StompShaft(1));
    game.PlaceAtCell(9, 3).Hold(kRight);
    game.RunUntil([](const GameState& s) { return s.player.PlayerX == 160; }, 20);
    game.ReleaseAll().Hold(kPower);
    game.RunUntil([](const GameState& s) { return s.stage.ObjKind[0] == ObjectKind::Defeated; },
                  100);
    EXPECT_EQ(game.state.counters.Score, 100);
}

TEST(Stomps, LandOnlyWhenTheFeetAreTwelveToSixteenPixelsAboveTheEnemy) {
    struct Case {
        int above;  // pixels from the player's top to the enemy's top
        ObjectKind kind;
        Outcome outcome;
    };
    const Case cases[] = {{17, ObjectKind::WalkingEnemyFalling, Outcome::None},
                          {16, ObjectKind::Defeated, Outcome::None},
                          {12, ObjectKind::Defeated, Outcome::None},
                          {11, ObjectKind::WalkingEnemyFalling, Outcome::Dead}};
    for (const Case& c : cases) {
        auto rows = Blank(12);
        Put(rows, 20, 10, 'F');  // hovers: nothing below it and no step down
        Scenario game(rows);
        game.PlaceAt(320, 160 - c.above);
        game.Run(1);
        EXPECT_EQ(game.state.stage.ObjKind[0], c.kind) << c.above << " pixels above";
        EXPECT_EQ(game.outcome(), c.outcome) << c.above << " pixels above";
    }
}

std::vector<std::string> WalkerOnTheFloor(char walker) {
    auto rows = Blank(12);
    PutRun(rows, 0, 199, 12, '2');
    PutRun(rows, 0, 199, 9, '0');
    Put(rows, 16, 9, walker);
    return rows;
}

TEST(Enemies, TouchingAWalkerFromTheSideKills) {
    Scenario game(WalkerOnTheFloor('E'));
    game.PlaceAtCell(10, 11);
    game.Run(200);
    EXPECT_EQ(game.outcome(), Outcome::Dead);
}

TEST(Enemies, PowerModeDefeatsForFourHundred) {
    auto rows = Blank(11);
    PutRun(rows, 0, 199, 11, '2');
    Put(rows, 14, 10, 'E');
    Scenario game(rows);
    game.PlaceAtCell(10, 10).Hold(kPower);
    game.Run(60);
    EXPECT_EQ(game.outcome(), Outcome::None);
    EXPECT_EQ(game.state.stage.ObjKind[0], ObjectKind::Defeated);
    EXPECT_EQ(game.state.counters.Score, 400);
    ASSERT_EQ(game.services.printed.size(), 1u);
    EXPECT_EQ(game.services.printed[0].text, "400");
}

// A ledge at row 6 from column 10 to 20 above a floor at row 12; the walker starts at
// column 12 on the ledge, heading left.
std::vector<std::string> Ledge(char walker) {
    auto rows = Blank(12);
    PutRun(rows, 10, 20, 6, '2');
    PutRun(rows, 0, 199, 12, '2');
    Put(rows, 12, 5, walker);
    return rows;
}

TEST(Enemies, WalkerFallsOffALedgeLandsAndWalksOn) {
    for (bool lowSpec : {false, true}) {
        Scenario game(Ledge('E'), lowSpec);
        game.PlaceAtCell(22, 11);
        const Stage& stage = game.state.stage;
        ASSERT_TRUE(game.RunUntil(
            [](const GameState& s) {
                return s.stage.ObjKind[0] == ObjectKind::WalkingEnemyFalling;
            },
            60));
        const int fellAt = stage.ObjX[0];
        EXPECT_EQ(fellAt, 144);
        EXPECT_EQ(stage.ObjDY[0], lowSpec ? -4 : -2);
        game.Run(1);
        EXPECT_EQ(stage.ObjX[0], fellAt);
        EXPECT_EQ(stage.ObjY[0], 80 + (lowSpec ? 4 : 2));
        ASSERT_TRUE(game.RunUntil(
            [](const GameState& s) { return s.stage.ObjKind[0] == ObjectKind::WalkingEnemy; }, 60));
        EXPECT_EQ(stage.ObjY[0], 176);
        EXPECT_EQ(stage.ObjX[0], fellAt);
        game.Run(5);
        EXPECT_EQ(stage.ObjX[0], fellAt - 5 * (lowSpec ? 2 : 1));
        EXPECT_EQ(stage.ObjKind[0], ObjectKind::WalkingEnemy);
    }
}

TEST(Enemies, EdgeTurningWalkerStaysOnItsLedge) {
    Scenario game(Ledge('G'));
    game.PlaceAtCell(22, 11);
    const Stage& stage = game.state.stage;
    int turns = 0;
    int lastDx = stage.ObjDX[0];
    int left = 10000, right = -1;
    game.observer = [&](const GameState& s) {
        if (s.stage.ObjDX[0] != lastDx) {
            ++turns;
            lastDx = s.stage.ObjDX[0];
        }
        left = std::min(left, s.stage.ObjX[0]);
        right = std::max(right, s.stage.ObjX[0]);
    };
    game.Run(600);
    EXPECT_EQ(stage.ObjKind[0], ObjectKind::TurningWalkingEnemy);
    EXPECT_EQ(stage.ObjY[0], 80);
    EXPECT_GE(turns, 3);
    EXPECT_GE(left, 160 - 13);
    EXPECT_LE(right, 320);
}

// Cells of negative positions truncate toward zero: at x = 1..13 the far foot probe
// (x - 14) / 16 + 1 is still column 1, so a kind-10 walker heading for the map's left edge
// over a floor that ends at column 1 does not turn back; it walks on to x = 0, where
// neither foot has ground, and falls.
TEST(Enemies, EdgeTurningWalkerAtTheLeftMapEdgeWalksOnToZeroAndFalls) {
    auto rows = Blank(12);
    PutRun(rows, 1, 10, 11, '2');
    Put(rows, 3, 10, 'G');
    Scenario game(rows);
    game.PlaceAtCell(10, 10);
    int left = 10000;
    game.observer = [&](const GameState& s) { left = std::min(left, s.stage.ObjX[0]); };
    game.Run(60);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(game.state.stage.ObjX[0], 0);
    EXPECT_EQ(game.state.stage.ObjKind[0], ObjectKind::TurningWalkingEnemyFalling);
    EXPECT_GT(game.state.stage.ObjY[0], 160);
}

TEST(Enemies, WalkerFallingOutOfTheMapIsRemoved) {
    auto rows = Blank(60);
    PutRun(rows, 0, 30, 57, '2');
    Put(rows, 40, 58, 'F');
    Scenario game(rows);
    game.PlaceAtCell(30, 56);
    game.Run(40);
    EXPECT_EQ(game.state.stage.ObjKind[0], ObjectKind::WalkingEnemyFalling);
    game.state.stage.ObjDY[0] = -2;  // a falling walker (a placed one hovers until moved)
    game.Run(40);
    EXPECT_EQ(game.state.stage.ObjKind[0], ObjectKind::Defeated);
    EXPECT_EQ(game.state.stage.ObjX[0], 0);
    EXPECT_EQ(game.state.stage.ObjY[0], 0);
    EXPECT_EQ(game.outcome(), Outcome::None);
}

// A closed box of unbreakable blocks from column 20 to 30 and row 40 to 50.
std::vector<std::string> BoxWith(char object, int column, int row) {
    auto rows = Blank(52);
    PutRun(rows, 20, 30, 40, '2');
    PutRun(rows, 20, 30, 50, '2');
    for (int r = 40; r <= 50; ++r) {
        Put(rows, 20, r, '2');
        Put(rows, 30, r, '2');
    }
    Put(rows, column, row, object);
    return rows;
}

TEST(Enemies, DiagonalEnemyBouncesAroundInsideABox) {
    for (bool lowSpec : {false, true}) {
        Scenario game(BoxWith('B', 25, 45), lowSpec);
        game.PlaceAtCell(25, 30);
        game.state.loop.ViewX = 25 * 16 - 160;
        game.state.loop.ViewY = 45 * 16 - 120;
        game.Hold(kPower);
        game.player().PowerUntil = 100000000;
        int left = 10000, right = -1, top = 10000, bottom = -1;
        game.observer = [&](const GameState& s) {
            left = std::min(left, s.stage.ObjX[0]);
            right = std::max(right, s.stage.ObjX[0]);
            top = std::min(top, s.stage.ObjY[0]);
            bottom = std::max(bottom, s.stage.ObjY[0]);
        };
        game.Run(2000);
        EXPECT_GT(left, 20 * 16);
        EXPECT_LT(right, 30 * 16);
        EXPECT_GT(top, 40 * 16);
        EXPECT_LT(bottom, 50 * 16);
        EXPECT_LT(left, 22 * 16);  // it does travel the box
        EXPECT_GT(bottom, 47 * 16);
    }
}

TEST(Enemies, VerticalEnemyBouncesBetweenCeilingAndFloor) {
    Scenario game(BoxWith('D', 25, 45));
    game.PlaceAtCell(25, 30);
    game.state.loop.ViewX = 25 * 16 - 160;
    game.state.loop.ViewY = 45 * 16 - 120;
    game.player().PowerUntil = 100000000;
    game.Hold(kPower);
    int top = 10000, bottom = -1;
    game.observer = [&](const GameState& s) {
        top = std::min(top, s.stage.ObjY[0]);
        bottom = std::max(bottom, s.stage.ObjY[0]);
        EXPECT_EQ(s.stage.ObjX[0], 25 * 16);
    };
    game.Run(400);
    EXPECT_EQ(top, 41 * 16 - 2);  // reverses once its cell reaches the ceiling row
    EXPECT_EQ(bottom, 49 * 16);
}

TEST(Enemies, HorizontalEnemyPatrolsBetweenWalls) {
    auto rows = Blank(12);
    PutRun(rows, 0, 199, 11, '2');
    Put(rows, 20, 10, '2');
    Put(rows, 30, 10, '2');
    Put(rows, 25, 10, 'C');
    Scenario game(rows);
    game.PlaceAtCell(35, 10);
    game.player().PowerUntil = 100000000;
    game.Hold(kPower);
    int left = 10000, right = -1;
    game.observer = [&](const GameState& s) {
        left = std::min(left, s.stage.ObjX[0]);
        right = std::max(right, s.stage.ObjX[0]);
    };
    game.Run(600);
    EXPECT_EQ(left, 21 * 16 - 1);
    EXPECT_EQ(right, 29 * 16);
}

TEST(Lifts, UpwardVerticalLiftWrapsToTheBottom) {
    for (bool lowSpec : {false, true}) {
        auto rows = Blank(12);
        Put(rows, 3, 2, '7');
        PutRun(rows, 20, 40, 11, '2');
        Scenario game(rows, lowSpec);
        game.PlaceAtCell(30, 10);
        std::vector<int> ys;
        game.observer = [&](const GameState& s) { ys.push_back(s.stage.ObjY[0]); };
        game.Run(16 / (lowSpec ? 4 : 2) + 1);
        EXPECT_EQ(ys.back(), 912);
        EXPECT_EQ(ys[ys.size() - 2], 16);
    }
}

TEST(Lifts, DownwardVerticalLiftAndSpikeWrapToTheTop) {
    auto rows = Blank(57);
    Put(rows, 24, 50, 'H');
    Put(rows, 26, 50, 'I');
    PutRun(rows, 28, 40, 57, '2');
    Scenario game(rows);
    game.PlaceAtCell(30, 56);
    game.state.loop.ViewX = 30 * 16 - 160;  // the view already follows the player
    game.state.loop.ViewY = 56 * 16 - 120;
    game.Run((928 - 800) / 2);
    EXPECT_EQ(game.state.stage.ObjY[0], 928);
    EXPECT_EQ(game.state.stage.ObjY[1], 928);
    game.Run(1);
    EXPECT_EQ(game.state.stage.ObjY[0], 32);
    EXPECT_EQ(game.state.stage.ObjY[1], 32);
    game.Run(1);
    EXPECT_EQ(game.state.stage.ObjY[0], 34);  // lifts always run
    EXPECT_EQ(game.state.stage.ObjY[1], 32);  // the spike is far from the view now
}

TEST(Lifts, UpwardSpikeBouncesAtTheTop) {
    auto rows = Blank(12);
    Put(rows, 24, 2, '9');
    PutRun(rows, 20, 40, 11, '2');
    Scenario game(rows);
    game.PlaceAtCell(30, 10);
    game.Run(16);
    EXPECT_EQ(game.state.stage.ObjY[0], 0);
    game.Run(2);
    EXPECT_EQ(game.state.stage.ObjY[0], 4);
}

TEST(Lifts, HorizontalLiftCarriesThePlayer) {
    auto rows = Blank(12);
    Put(rows, 10, 10, '6');
    Scenario game(rows);
    game.PlaceAtCell(10, 9);
    game.Run(1);
    game.Run(20);
    EXPECT_EQ(game.player().PlayerX, game.state.stage.ObjX[0]);
    EXPECT_EQ(game.player().PlayerY, 144);
    EXPECT_EQ(game.player().JumpPower, 1);
}

TEST(Lifts, VerticalLiftCarriesThePlayerUp) {
    auto rows = Blank(20);
    Put(rows, 10, 15, '7');
    Scenario game(rows);
    game.PlaceAtCell(10, 14);
    game.Run(10);
    EXPECT_EQ(game.player().PlayerY, game.state.stage.ObjY[0] - 16);
    EXPECT_EQ(game.player().OnLift, -1);
}

TEST(MovingSpikes, TouchKillsUnlessInPowerMode) {
    for (bool power : {false, true}) {
        auto rows = Blank(10);
        PutRun(rows, 0, 199, 10, '2');
        Put(rows, 14, 9, '8');
        Scenario game(rows);
        game.PlaceAtCell(10, 9);
        if (power) {
            game.Hold(kPower);
            game.player().PowerUntil = 1000000;
        }
        game.Run(100);
        EXPECT_EQ(game.outcome(), power ? Outcome::None : Outcome::Dead);
    }
}

TEST(Objects, ProbesAtTheMapEdgesStayInsideTheMap) {
    auto rows = Blank(60);
    const std::string codes = "6789BCDEFGHI";
    for (std::size_t i = 0; i < codes.size(); ++i) {
        Put(rows, 0, int(i) * 5, codes[i]);
        Put(rows, 199, 59 - int(i) * 5, codes[i]);
        Put(rows, 100 + int(i), 0, codes[i]);
        Put(rows, 120 + int(i), 59, codes[i]);
    }
    for (bool lowSpec : {false, true}) {
        for (int x : {0, 1600, 3184}) {
            for (int y : {0, 944}) {
                Scenario game(rows, lowSpec);
                game.PlaceAt(x, y);
                game.player().PowerUntil = 1000000;
                game.Hold(kPower);
                game.Run(300);
                for (std::int32_t i = 0; i < game.state.stage.ObjCount; ++i) {
                    EXPECT_LE(game.state.stage.ObjKind[std::size_t(i)],
                              ObjectKind::TurningWalkingEnemyFalling);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarn::game::testing
