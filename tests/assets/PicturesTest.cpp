// The generated pictures: background tiles, the pixel font, the title picture and the
// emitted source of the built-in pictures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/Backgrounds.h"
#include "assets/gen/EmbedArt.h"
#include "assets/gen/PixelFont.h"
#include "assets/gen/TitlePicture.h"

namespace tarn::assetgen {
namespace {

const SpriteBook& Sources() {
    static const SpriteBook book = [] {
        SpriteBook loaded;
        std::string error;
        const char* dir = std::getenv("TARN_SOURCE_DIR");
        if (dir == nullptr ||
            !LoadSprites(std::filesystem::path(dir) / "assets" / "sprites", loaded, error)) {
            ADD_FAILURE() << "sprite sources: " << error;
        }
        return loaded;
    }();
    return book;
}

TEST(BackgroundTiles, AtLeastFourWithNamesOfTheirOwn) {
    const auto tiles = BackgroundTiles(Sources());
    EXPECT_GE(tiles.size(), 4u);
    std::set<std::string> names;
    for (const auto& tile : tiles) {
        names.insert(tile.file);
        EXPECT_EQ(tile.file.substr(tile.file.size() - 4), ".bmp");
    }
    EXPECT_EQ(names.size(), tiles.size());
}

TEST(BackgroundTiles, NoneDividesTheStageEvenly) {
    for (const auto& tile : BackgroundTiles(Sources())) {
        EXPECT_NE(kMapWidth % tile.picture.width(), 0) << tile.file;
        EXPECT_NE(kMapHeight % tile.picture.height(), 0) << tile.file;
    }
}

TEST(BackgroundTiles, AreTheSameOnEveryRun) {
    const auto first = BackgroundTiles(Sources());
    const auto second = BackgroundTiles(Sources());
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].picture, second[i].picture) << first[i].file;
    }
}

TEST(Dice, SameSeedGivesTheSameSequenceAndStaysBelowTheLimit) {
    Dice a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const int x = a.Below(10);
        EXPECT_EQ(x, b.Below(10));
        EXPECT_GE(x, 0);
        EXPECT_LT(x, 10);
        differs = differs || x != c.Below(10);
    }
    EXPECT_TRUE(differs);
    EXPECT_EQ(a.Below(0), 0);
}

TEST(Blend, EndsAreTheColoursAndTheMiddleIsBetween) {
    EXPECT_EQ(Blend(Rgb(0, 0, 0), Rgb(200, 100, 50), 0.0), Rgb(0, 0, 0));
    EXPECT_EQ(Blend(Rgb(0, 0, 0), Rgb(200, 100, 50), 1.0), Rgb(200, 100, 50));
    EXPECT_EQ(Blend(Rgb(0, 0, 0), Rgb(200, 100, 50), 0.5), Rgb(100, 50, 25));
}

TEST(PixelFont, DrawsInsideItsBoxInTheGivenColour) {
    const PixelFont font(Sources());
    Surface target(40, 20, kBlack);
    font.Draw(target, 2, 3, "A1", Rgb(10, 200, 30), 2);
    int painted = 0;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const std::uint32_t pixel = target.Pixel(x, y);
            if (pixel == kBlack) {
                continue;
            }
            ++painted;
            EXPECT_EQ(pixel, Rgb(10, 200, 30));
            EXPECT_GE(x, 2);
            EXPECT_LT(x, 2 + PixelFont::Width("A1", 2));
            EXPECT_GE(y, 3);
            EXPECT_LT(y, 3 + PixelFont::kGlyphHeight * 2);
        }
    }
    EXPECT_GT(painted, 20);
}

TEST(PixelFont, LowerCaseLooksLikeUpperCaseAndUnknownIsBlank) {
    const PixelFont font(Sources());
    Surface lower(20, 10), upper(20, 10), unknown(20, 10);
    font.Draw(lower, 0, 0, "ab", kWhite);
    font.Draw(upper, 0, 0, "AB", kWhite);
    font.Draw(unknown, 0, 0, "~^", kWhite);
    EXPECT_EQ(lower, upper);
    EXPECT_EQ(unknown, Surface(20, 10));
    EXPECT_EQ(PixelFont::Width(""), 0);
    EXPECT_EQ(PixelFont::Width("AB", 3), 33);
}

TEST(PixelFont, HasAGlyphForEveryLetterAndDigit) {
    const PixelFont font(Sources());
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,:-()/!?+=")) {
        EXPECT_NE(font.Glyph(c), nullptr) << c;
    }
}

TEST(TitlePicture, LeavesTheMenuCornerDarkForTheMenuText) {
    const PixelFont font(Sources());
    const Surface title = TitlePicture(Sources(), font);
    ASSERT_EQ(title.width(), kTitleWidth);
    ASSERT_EQ(title.height(), kTitleHeight);
    // The menu prints down the left side from the top; keep that area dark and plain.
    for (int y = 0; y < 240; y += 3) {
        for (int x = 0; x < 300; x += 3) {
            const std::uint32_t pixel = title.Pixel(x, y);
            const int brightness =
                int((pixel >> 16) & 0xFF) + int((pixel >> 8) & 0xFF) + int(pixel & 0xFF);
            EXPECT_LT(brightness, 3 * 128) << x << "," << y;
        }
    }
}

TEST(EmbeddedArt, SourceDefinesEveryArrayWithOnePictureEach) {
    std::string error;
    ASSERT_TRUE(CheckCatalog(Sources(), error)) << error;
    const std::string source = EmbeddedArtSource(Sources());
    for (const char* name : {"kChips[24]", "kObjects[12]", "kPlayerMask[1]", "kDead[1]",
                             "kLifeIcon[1]", "kCoinIcon[1]"}) {
        EXPECT_NE(source.find(std::string("const EmbeddedPicture ") + name), std::string::npos)
            << name;
    }
    std::size_t pictures = 0;
    for (std::size_t at = source.find("{{"); at != std::string::npos;
         at = source.find("{{", at + 2)) {
        ++pictures;
    }
    EXPECT_EQ(pictures, 24u + 12 + 4);
}

TEST(EmbeddedArt, MissingPicturesBecomeTransparentInsteadOfFailing) {
    const std::string source = EmbeddedArtSource(SpriteBook());
    EXPECT_NE(source.find("kChips[24]"), std::string::npos);
    EXPECT_EQ(source.find("0x00"), std::string::npos);  // no opaque pixel anywhere
}

}  // namespace
}  // namespace tarn::assetgen
