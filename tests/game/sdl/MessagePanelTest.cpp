// The message panel of the SDL front end: lines that fit the panel, and what it draws.
#include <gtest/gtest.h>

#include "game/platform/FontText.h"
#include "game/sdl/MessagePanel.h"

namespace tarn::game {
namespace {

class MessagePanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!SharedFontText().Loaded()) {
            GTEST_SKIP() << "no font for the view";
        }
    }
    TextPainter& text = SharedFontText();
};

TEST_F(MessagePanelTest, EveryWrappedLineFitsAndTheWordsStayInOrder) {
    const std::string message =
        "Cannot read the stage file /home/player/stages/a rather long folder name/1-1.tr2 "
        "(the file is damaged).";
    const auto lines = WrapText(text, message, kMessageTextPoints, 200);
    ASSERT_GT(lines.size(), 2u);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_LE(text.TextWidth(line, kMessageTextPoints), 200) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, message);
}

TEST_F(MessagePanelTest, WordWiderThanTheLineIsSplitBetweenCharacters) {
    const std::string path = "/" + std::string(60, 'x') + "/ファイル.tr2";
    const auto lines = WrapText(text, path, kMessageTextPoints, 150);
    ASSERT_GT(lines.size(), 1u);
    std::string joined;
    for (const auto& line : lines) {
        EXPECT_LE(text.TextWidth(line, kMessageTextPoints), 150);
        joined += line;
    }
    EXPECT_EQ(joined, path);
}

TEST_F(MessagePanelTest, LineBreaksOfTheTextStartNewLines) {
    const auto lines =
        WrapText(text, "ファイルが見つかりません\r\n/tmp/a.tr2", kMessageTextPoints, 500);
    const std::vector<std::string> expected = {"ファイルが見つかりません", "/tmp/a.tr2"};
    EXPECT_EQ(lines, expected);
}

TEST_F(MessagePanelTest, PanelDimsThePictureAndDrawsTheTextOverIt) {
    Surface view(640, 480, Rgb(200, 200, 200));
    DrawMessagePanel(view, text, "Tarn Ver2", "The stage file a.tr2 holds no stage.");
    EXPECT_EQ(view.Pixel(5, 5), Rgb(50, 50, 50));
    int bright = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 41; x < 599; ++x) {
            bright += view.Pixel(x, y) == kWhite ? 1 : 0;
        }
    }
    EXPECT_GT(bright, 100);  // the white text on the panel
}

}  // namespace
}  // namespace tarn::game
