// The status strip's labels: their first texts, how values are worded, clearing after a
// game, and that the drawing follows the values.
#include <gtest/gtest.h>

#include "assets/BuiltinArt.h"
#include "game/core/StatusStrip.h"
#include "game/platform/FontText.h"

namespace tarn::game {
namespace {

TEST(StatusStripLabels, ShowTheirFirstTextsUntilGivenValues) {
    const StatusStrip strip;
    EXPECT_EQ(strip.TimeOfDayText(), "00:00:00");
    EXPECT_EQ(strip.FrameRateText(), "FPS XX/XX");
    EXPECT_EQ(strip.TimeLeftText(), "time 000");
    EXPECT_EQ(strip.LivesText(), "000");
    EXPECT_EQ(strip.CoinsText(), "00");
    EXPECT_EQ(strip.StageText(), "");
    EXPECT_EQ(strip.ScoreText(), "0");
}

TEST(StatusStripLabels, WordTheirValuesAsTheLabelsShowThem) {
    StatusStrip strip;
    strip.SetTimeOfDay("12:34:56");
    strip.SetFrameRate(59, 60);
    strip.SetTimeLeft(45.9);
    strip.SetLives(-1);
    strip.SetCoins(7);
    strip.SetStage("1-2", "Caves");
    strip.SetScore(12340);
    EXPECT_EQ(strip.TimeOfDayText(), "12:34:56");
    EXPECT_EQ(strip.FrameRateText(), "FPS 59/60");
    EXPECT_EQ(strip.TimeLeftText(), "time 045");
    EXPECT_EQ(strip.LivesText(), "-1");
    EXPECT_EQ(strip.CoinsText(), "7");
    EXPECT_EQ(strip.StageText(), "1-2:Caves");
    EXPECT_EQ(strip.ScoreText(), "12340");
}

TEST(StatusStripLabels, AfterAGameTheTimeShowsZeroAndOnlyGameOverClearsTheCoins) {
    StatusStrip strip;
    strip.SetTimeLeft(120);
    strip.SetCoins(42);
    strip.SetScore(900);
    strip.SetStage("1-4", "Tower");
    strip.ClearAfterGame(false);
    EXPECT_EQ(strip.TimeLeftText(), "0");
    EXPECT_EQ(strip.ScoreText(), "0");
    EXPECT_EQ(strip.StageText(), "");
    EXPECT_EQ(strip.CoinsText(), "42");
    strip.ClearAfterGame(true);
    EXPECT_EQ(strip.CoinsText(), "0");
    strip.SetTimeLeft(300);
    EXPECT_EQ(strip.TimeLeftText(), "time 300");
}

TEST(StatusStripLabels, TheDrawingFollowsTheValues) {
    StatusStrip strip;
    Surface before, after;
    DrawStatusStrip(before, strip, SharedFontText(), art::Builtin());
    strip.SetLives(5);
    DrawStatusStrip(after, strip, SharedFontText(), art::Builtin());
    EXPECT_EQ(after.width(), kStripWidth);
    EXPECT_EQ(after.height(), kStripHeight);
    EXPECT_NE(before, after);
}

}  // namespace
}  // namespace tarn::game
