// Colour depth, text and the status strip.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "GameFixture.h"
#include "assets/BuiltinArt.h"
#include "game/core/ColorQuantize.h"
#include "game/platform/FontText.h"
#include "support/PictureFile.h"

namespace tarn::game::testing {
namespace {

Surface Gradient() {
    Surface s(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            s.SetPixel(x, y, Rgb(x * 4, y * 4, (x + y) * 2));
        }
    }
    return s;
}

TEST(ColorQuantizeTest, SixteenBitsKeepFiveSixFiveBits) {
    EXPECT_EQ(ToRgb565(Rgb(255, 255, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(ToRgb565(Rgb(0, 0, 0)), Rgb(0, 0, 0));
    EXPECT_EQ(ToRgb565(Rgb(13, 13, 13)), Rgb(8, 12, 8));
}

TEST(ColorQuantizeTest, EightBitsUseAtMostTwoHundredFiftySixColours) {
    Surface out;
    QuantizeToDepth(Gradient(), out, 8);
    std::set<std::uint32_t> colours(out.Pixels().begin(), out.Pixels().end());
    EXPECT_LE(colours.size(), 256u);
    EXPECT_GT(colours.size(), 16u);
    EXPECT_EQ(ToPalette8(kWhite), kWhite);
    EXPECT_EQ(ToPalette8(kBlack), kBlack);
}

TEST(ColorQuantizeTest, TheDepthChangesThePicture) {
    Surface eight, sixteen;
    QuantizeToDepth(Gradient(), eight, 8);
    QuantizeToDepth(Gradient(), sixteen, 16);
    EXPECT_NE(eight, sixteen);
}

TEST(FontTextTest, TheViewFontCoversTheGamesCharacters) {
    FontText& text = SharedFontText();
    ASSERT_TRUE(text.Loaded());
    EXPECT_GT(text.TextWidth("●", 48), 20);
    EXPECT_GT(text.TextWidth("(仮)", 48), text.TextWidth("()", 48));
    EXPECT_GT(text.LineHeight(48), 40);
    EXPECT_LT(text.LineHeight(16), text.LineHeight(48));
}

TEST(FontTextTest, DrawingIsDeterministicAndClipped) {
    FontText& text = SharedFontText();
    Surface a(100, 60), b(100, 60);
    const int width = text.Draw(a, -10, -10, "Pause", 48, kWhite);
    text.Draw(b, -10, -10, "Pause", 48, kWhite);
    EXPECT_EQ(width, text.TextWidth("Pause", 48));
    EXPECT_EQ(a, b);
    EXPECT_NE(a, Surface(100, 60));
}

TEST(StatusStripTest, ScoreIsRightAligned) {
    Surface strip;
    StatusStrip status;
    status.SetScore(12340);
    DrawStatusStrip(strip, status, SharedFontText(), art::Builtin());
    ASSERT_EQ(strip.width(), 640);
    bool inkNearRightEdge = false;
    for (int y = 0; y < 16; ++y) {
        for (int x = 620; x < 640; ++x) {
            inkNearRightEdge = inkNearRightEdge || strip.Pixel(x, y) != kBlack;
        }
    }
    EXPECT_TRUE(inkNearRightEdge);
}

TEST(ScreenshotTest, ScreenshotIsTheViewAtTheDisplayDepth) {
    ProgramFolder folder;
    folder.AddStage("a", "1-1", FloorStage());
    folder.WriteSettings(60, 8);
    Options options;
    options.stage = "1-1";
    options.frames = 5;
    options.screenshot = folder.root() / "shot.bmp";
    Surface presented;
    RunHeadless(folder, options, nullptr, {}, [&](Game& s) { presented = s.screen.Presented(); });
    Surface shot;
    ASSERT_EQ(LoadPicture(options.screenshot, shot), PictureStatus::Ok);
    EXPECT_EQ(shot.width(), 640);
    EXPECT_EQ(shot.height(), 480);
    EXPECT_EQ(shot, presented);
    for (const std::uint32_t c : shot.Pixels()) {
        ASSERT_EQ(ToPalette8(c), c);
    }
}

TEST(ScreenshotTest, PngNameGivesAPngOfTheView) {
    ProgramFolder folder;
    folder.AddStage("a", "1-1", FloorStage());
    Options options;
    options.stage = "1-1";
    options.frames = 5;
    options.screenshot = folder.root() / "shot.png";
    Surface presented;
    RunHeadless(folder, options, nullptr, {}, [&](Game& s) { presented = s.screen.Presented(); });
    std::ifstream file(options.screenshot, std::ios::binary);
    char signature[4] = {};
    file.read(signature, 4);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    Surface shot;
    ASSERT_EQ(LoadPicture(options.screenshot, shot), PictureStatus::Ok);
    EXPECT_EQ(shot, presented);
}

}  // namespace
}  // namespace tarn::game::testing
