// Presenting: the platform takes from the frame what it shows, nothing is drawn for a
// platform that shows nothing, and a screenshot is the view at the display's depth.
#include <gtest/gtest.h>

#include "assets/BuiltinArt.h"
#include "game/core/ColorQuantize.h"
#include "game/core/Screen.h"
#include "game/platform/FontText.h"
#include "game/platform/HeadlessPlatform.h"

namespace tarn::game {
namespace {

// Counts what is drawn in text.
class CountingText : public TextPainter {
  public:
    int LineHeight(int points) override { return SharedFontText().LineHeight(points); }
    int TextWidth(std::string_view text, int points) override {
        return SharedFontText().TextWidth(text, points);
    }
    int Draw(Surface& target, int x, int y, std::string_view text, int points,
             std::uint32_t color) override {
        ++draws;
        return SharedFontText().Draw(target, x, y, text, points, color);
    }
    int DrawOutlined(Surface& target, int x, int y, std::string_view text, int points,
                     std::uint32_t color, std::uint32_t outline) override {
        ++draws;
        return SharedFontText().DrawOutlined(target, x, y, text, points, color, outline);
    }
    int draws = 0;
};

// A headless platform that shows what it is given, as a window would.
class ShowingPlatform : public HeadlessPlatform {
  public:
    TextPainter& Text() override { return text; }
    void Present(ShownFrame& frame) override {
        HeadlessPlatform::Present(frame);
        strip = frame.Strip();
        view = frame.ViewAtDepth();
    }
    using HeadlessPlatform::Present;
    CountingText text;
    Surface strip;
    Surface view;
};

// A ShowingPlatform that can be told to show nothing for a while.
class SometimesShowingPlatform : public ShowingPlatform {
  public:
    void Present(ShownFrame& frame) override {
        if (shows) {
            ShowingPlatform::Present(frame);
        }
    }
    using HeadlessPlatform::Present;
    bool shows = true;
};

class NothingShownPlatform : public HeadlessPlatform {
  public:
    TextPainter& Text() override { return text; }
    CountingText text;
};

// A composition picture with one colour in the view's top-left corner at (160, 120).
Layers CornerLayers(std::uint32_t color) {
    Layers layers;
    layers.PBuffer.Reset(3300, 1060, kBlack);
    layers.PBuffer.FillRect(160, 120, 1, 1, color);
    return layers;
}

GameState ViewAt(int x, int y, std::int32_t score) {
    GameState state;
    state.loop.ViewX = x;
    state.loop.ViewY = y;
    state.counters.Score = score;
    return state;
}

TEST(ScreenTest, AShowingPlatformGetsTheStripAndTheViewAtTheDisplaysDepth) {
    ShowingPlatform platform;
    Screen screen(platform, art::Builtin());
    screen.SetColorDepth(16);
    const std::uint32_t color = Rgb(13, 200, 77);
    screen.PresentView(CornerLayers(color), ViewAt(160, 120, 120));
    EXPECT_EQ(platform.colorDepth, 16);
    EXPECT_EQ(platform.presents, 1u);
    ASSERT_EQ(platform.view.width(), kViewWidth);
    EXPECT_EQ(platform.view.Pixel(0, 0), ToRgb565(color));
    EXPECT_EQ(platform.view.Pixel(1, 1), ToRgb565(color));
    EXPECT_EQ(platform.view.Pixel(2, 2), kBlack);
    EXPECT_EQ(platform.strip.width(), kStripWidth);
    EXPECT_GT(platform.text.draws, 0);
    EXPECT_EQ(screen.strip.ScoreText(), "120");
}

TEST(ScreenTest, TheStripIsDrawnAgainOnlyWhenALabelChanged) {
    ShowingPlatform platform;
    Screen screen(platform, art::Builtin());
    screen.Refresh();
    const int first = platform.text.draws;
    screen.Refresh();
    EXPECT_EQ(platform.text.draws, first);
    screen.strip.SetCoins(3);
    screen.Refresh();
    EXPECT_GT(platform.text.draws, first);
}

TEST(ScreenTest, NothingIsDrawnForAPlatformThatShowsNothingYetAScreenshotIsExact) {
    NothingShownPlatform platform;
    Screen screen(platform, art::Builtin());
    screen.SetColorDepth(8);
    screen.view.surface.FillRect(10, 10, 50, 50, Rgb(90, 141, 222));
    screen.Refresh();
    EXPECT_EQ(platform.presents, 1u);
    EXPECT_EQ(platform.text.draws, 0);
    Surface expected;
    QuantizeToDepth(screen.view.surface, expected, 8);
    EXPECT_EQ(screen.Presented(), expected);
}

TEST(ScreenTest, PrintingMovesThePrintPositionLikeTheView) {
    NothingShownPlatform platform;
    Screen screen(platform, art::Builtin());
    screen.SetPrintPosition(5, 7);
    screen.PrintOnLine("AB");
    EXPECT_EQ(screen.view.CurrentX, 5 + SharedFontText().TextWidth("AB", kViewFontPoints));
    EXPECT_EQ(screen.view.CurrentY, 7);
    screen.Print("");
    EXPECT_EQ(screen.view.CurrentX, 0);
    EXPECT_EQ(screen.view.CurrentY, 7 + SharedFontText().LineHeight(kViewFontPoints));
}

TEST(ScreenTest, TextsOnTheViewAreOutlinedInTheirOwnFontSizePlaceAndColour) {
    NothingShownPlatform platform;
    Screen screen(platform, art::Builtin());
    FillWhole(screen.view.surface, kWhite);
    screen.SetPrintPosition(0, 100);
    screen.Print("           Pause");
    screen.view.FontSize = kPauseHintFontPoints;
    screen.PrintOnLine("Press Enter");

    Surface expected(kViewWidth, kViewHeight, kWhite);
    FontText& font = SharedFontText();
    font.DrawOutlined(expected, 0, 100, "           Pause", kViewFontPoints, kTextColor,
                      kTextOutlineColor);
    font.DrawOutlined(expected, 0, 100 + font.LineHeight(kViewFontPoints), "Press Enter",
                      kPauseHintFontPoints, kTextColor, kTextOutlineColor);
    EXPECT_EQ(screen.view.surface, expected);
    // White letters on white show only by their outline.
    int dark = 0;
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            const std::uint32_t pixel = screen.view.surface.Pixel(x, y);
            dark += ((pixel >> 16) & 0xFF) < 128 && ((pixel >> 8) & 0xFF) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 100);
}

TEST(ScreenTest, RefreshingTheStripShowsTheViewAsTheLastPresentConvertedIt) {
    ShowingPlatform platform;
    Screen screen(platform, art::Builtin());
    screen.SetColorDepth(16);
    screen.view.surface.FillRect(10, 10, 50, 50, Rgb(90, 141, 222));
    screen.Refresh();
    const Surface shown = platform.view;
    const Surface stripBefore = platform.strip;
    // Drawing after the present is not the view the strip's refresh is for: it is kept out.
    screen.view.surface.FillRect(0, 0, 5, 5, kWhite);
    screen.strip.SetCoins(3);
    screen.RefreshStrip();
    EXPECT_EQ(platform.view, shown);
    EXPECT_NE(platform.strip, stripBefore);
    // Whatever makes the last conversion wrong converts anew: another depth, or the switch.
    Surface expected;
    screen.SetColorDepth(8);
    screen.RefreshStrip();
    QuantizeToDepth(screen.view.surface, expected, 8);
    EXPECT_EQ(platform.view, expected);
    screen.view.surface.FillRect(20, 20, 5, 5, kWhite);
    screen.reuseUnchangedView = false;
    screen.RefreshStrip();
    QuantizeToDepth(screen.view.surface, expected, 8);
    EXPECT_EQ(platform.view, expected);
}

TEST(ScreenTest, RefreshingTheStripAfterAPresentThatShowedNothingConvertsTheView) {
    SometimesShowingPlatform platform;
    Screen screen(platform, art::Builtin());
    screen.SetColorDepth(16);
    screen.Refresh();
    platform.shows = false;
    screen.view.surface.FillRect(10, 10, 50, 50, Rgb(90, 141, 222));
    screen.Refresh();
    platform.shows = true;
    screen.RefreshStrip();
    Surface expected;
    QuantizeToDepth(screen.view.surface, expected, 16);
    EXPECT_EQ(platform.view, expected);
}

}  // namespace
}  // namespace tarn::game
