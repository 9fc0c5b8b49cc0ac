// Colour depth, text and the status strip.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "GameFixture.h"
#include "assets/BuiltinArt.h"
#include "game/core/ColorQuantize.h"
#include "game/core/ViewGeometry.h"
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

// The 8-bit palette as first written: the nearest of 6 x 7 x 6 levels, unless one of the
// four greys is nearer, for the colour's top five bits of each channel and a half.
std::uint32_t ReferencePalette8(std::uint32_t c) {
    const int r = int((c >> 16) & 0xF8) | 4, g = int((c >> 8) & 0xF8) | 4, b = int(c & 0xF8) | 4;
    const auto level = [](int value, int levels) {
        const int l = (value * (levels - 1) + 127) / 255;
        return l * 255 / (levels - 1);
    };
    std::uint32_t best = Rgb(level(r, 6), level(g, 7), level(b, 6));
    const auto distance = [&](std::uint32_t p) {
        const int dr = int((p >> 16) & 0xFF) - r, dg = int((p >> 8) & 0xFF) - g,
                  db = int(p & 0xFF) - b;
        return dr * dr + dg * dg + db * db;
    };
    for (const int grey : {32, 96, 160, 224}) {
        if (distance(Rgb(grey, grey, grey)) < distance(best)) {
            best = Rgb(grey, grey, grey);
        }
    }
    return best;
}

// Every colour there is, in steps that reach every combination of the top five bits.
Surface EveryColour() {
    Surface s(256, 128);
    for (int i = 0; i < 32768; ++i) {
        s.SetPixel(i % 256, i / 256,
                   Rgb(((i >> 10) & 31) * 8 + i % 8, ((i >> 5) & 31) * 8 + (i / 8) % 8,
                       (i & 31) * 8 + (i / 64) % 8));
    }
    return s;
}

TEST(ColorQuantizeTest, EveryColourConvertsAsThePlainFormulasSay) {
    const Surface colours = EveryColour();
    for (const int depth : {8, 16}) {
        Surface out;
        QuantizeToDepth(colours, out, depth);
        for (int y = 0; y < colours.height(); ++y) {
            for (int x = 0; x < colours.width(); ++x) {
                const std::uint32_t c = colours.Pixel(x, y);
                ASSERT_EQ(out.Pixel(x, y), depth == 8 ? ReferencePalette8(c) : ToRgb565(c))
                    << depth << " bits, colour " << std::hex << c;
            }
        }
    }
}

TEST(ColorQuantizeTest, StretchingAndConvertingInOnePassEqualsDoingItInTurn) {
    Surface source(kViewSpanX + 50, kViewSpanY + 30);
    const Surface colours = EveryColour();
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            source.SetPixel(x, y, colours.Pixel((x * 7 + y) % 256, (y * 3 + x) % 128));
        }
    }
    for (const int depth : {8, 16, 32}) {
        Surface view(kViewWidth, kViewHeight), presented;
        StretchViewAndQuantize(source, 37, 11, view, presented, depth);
        Surface expectedView(kViewWidth, kViewHeight), expected;
        StretchBlt(expectedView, 0, 0, kViewWidth, kViewHeight, source, 37, 11, kViewSpanX,
                   kViewSpanY);
        QuantizeToDepth(expectedView, expected, depth);
        EXPECT_EQ(view, expectedView) << depth;
        EXPECT_EQ(presented, expected) << depth;
    }
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
