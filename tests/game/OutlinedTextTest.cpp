// The view's font: an outlined text is the plain text, in the same place and colour, with
// a ring of exactly one pixel of the outline colour around its letters.
#include "game/platform/FontText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tarn::game {
namespace {

constexpr std::uint32_t kSky = Rgb(150, 190, 240);
constexpr std::uint32_t kLetters = kWhite;
constexpr std::uint32_t kRing = Rgb(10, 10, 30);

// Equal but for the rounding of coverages too faint to show in the plain text.
bool Near(std::uint32_t a, std::uint32_t b) {
    for (const int shift : {0, 8, 16}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 2) {
            return false;
        }
    }
    return true;
}

// What one pixel of the plain text is.
enum class Plain { Background, Edge, Solid };

Plain Classify(const Surface& plain, int x, int y) {
    if (x < 0 || y < 0 || x >= plain.width() || y >= plain.height()) {
        return Plain::Background;
    }
    const std::uint32_t pixel = plain.Pixel(x, y);
    return pixel == kSky ? Plain::Background : pixel == kLetters ? Plain::Solid : Plain::Edge;
}

// True when a pixel within one step (the eight neighbours) is `what`.
bool Beside(const Surface& plain, int x, int y, Plain what) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if ((dx != 0 || dy != 0) && Classify(plain, x + dx, y + dy) == what) {
                return true;
            }
        }
    }
    return false;
}

class OutlinedTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!SharedFontText().Loaded()) {
            GTEST_SKIP() << "no font with the game's characters on this machine";
        }
    }
};

TEST_F(OutlinedTextTest, OutlineRingsEveryLetterWithOnePixelAndLeavesTheLettersAsTheyAre) {
    FontText& font = SharedFontText();
    for (const char* text : {"CLEAR!!", "GAME IS OVER!", "Press Enter To Restart"}) {
        Surface plain(400, 80, kSky);
        Surface outlined(400, 80, kSky);
        const int plainWidth = font.Draw(plain, 10, 5, text, 48, kLetters);
        EXPECT_EQ(font.DrawOutlined(outlined, 10, 5, text, 48, kLetters, kRing), plainWidth);
        int solid = 0, ring = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const Plain kind = Classify(plain, x, y);
                const std::uint32_t got = outlined.Pixel(x, y);
                if (kind == Plain::Solid) {
                    ++solid;
                    EXPECT_PRED2(Near, got, kLetters) << text << " at " << x << "," << y;
                } else if (kind == Plain::Background && Beside(plain, x, y, Plain::Solid)) {
                    ++ring;
                    EXPECT_PRED2(Near, got, kRing) << text << " at " << x << "," << y;
                } else if (kind == Plain::Background && !Beside(plain, x, y, Plain::Solid) &&
                           !Beside(plain, x, y, Plain::Edge)) {
                    EXPECT_PRED2(Near, got, kSky) << text << " at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(solid, 50) << text;
        EXPECT_GT(ring, 50) << text;
    }
}

// The outcome sequences print their texts one letter at a time: no letter's ring may fall
// on a letter printed before it.
TEST_F(OutlinedTextTest, LetterByLetterTheOutcomeTextsLookAsPrintedWhole) {
    FontText& font = SharedFontText();
    for (const std::string text :
         {"CLEAR!!", " GO TO NEXT STAGE!", "GAME IS OVER!", " ALL CLEAR! THANKS!"}) {
        Surface whole(640, 80, kSky);
        Surface letters(640, 80, kSky);
        font.DrawOutlined(whole, 10, 5, text, 48, kLetters, kRing);
        int pen = 10;
        for (const char c : text) {
            pen += font.DrawOutlined(letters, pen, 5, std::string(1, c), 48, kLetters, kRing);
        }
        EXPECT_EQ(letters, whole) << text;
    }
}

TEST_F(OutlinedTextTest, OutlinedBlanksDrawNothingAndTakeTheirWidth) {
    FontText& font = SharedFontText();
    Surface target(100, 60, kSky);
    const int width = font.DrawOutlined(target, 0, 0, "    ", 48, kLetters, kRing);
    EXPECT_EQ(width, font.TextWidth("    ", 48));
    EXPECT_EQ(target, Surface(100, 60, kSky));
}

TEST_F(OutlinedTextTest, OutlineIsCutAtTheSurfacesEdges) {
    FontText& font = SharedFontText();
    Surface target(30, 20, kSky);
    font.DrawOutlined(target, -10, -20, "GAME", 48, kLetters, kRing);
    EXPECT_NE(target, Surface(30, 20, kSky));
}

}  // namespace
}  // namespace tarn::game
