// The text sprite reader: palette, rows, compositions and the messages for bad sources.
#include "assets/gen/SpriteBook.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "assets/gen/ArtCatalog.h"

namespace tarn::assetgen {
namespace {

constexpr const char* kTwoByTwo =
    "colour r ff0000\n"
    "colour k 000000\n"
    "picture a : first\n"
    "r.\n"
    "kr\n";

TEST(SpriteBook, ReadsRowsWithPaletteColours) {
    SpriteBook book;
    ASSERT_TRUE(book.Parse(kTwoByTwo, "t.txt")) << book.error();
    const Sprite* a = book.Find("a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->width, 2);
    EXPECT_EQ(a->height, 2);
    EXPECT_EQ(a->label, "first");
    EXPECT_TRUE(a->IsOpaque(0, 0));
    EXPECT_EQ(a->Colour(0, 0), 0xFF0000u);
    EXPECT_FALSE(a->IsOpaque(1, 0));
    EXPECT_TRUE(a->IsOpaque(0, 1));  // opaque black is a colour, not transparency
    EXPECT_EQ(a->Colour(0, 1), 0x000000u);
}

TEST(SpriteBook, PictureIsBlackAndMaskWhiteWhereTransparent) {
    SpriteBook book;
    ASSERT_TRUE(book.Parse(kTwoByTwo, "t.txt"));
    const Surface picture = PictureOf(*book.Find("a"));
    const Surface mask = MaskOf(*book.Find("a"));
    EXPECT_EQ(picture.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(picture.Pixel(1, 0), kBlack);
    EXPECT_EQ(mask.Pixel(1, 0), kWhite);
    EXPECT_EQ(mask.Pixel(0, 0), kBlack);
    EXPECT_EQ(mask.Pixel(0, 1), kBlack);
}

TEST(SpriteBook, CompositionLaysLaterPartsOnTop) {
    SpriteBook book;
    ASSERT_TRUE(book.Parse(std::string(kTwoByTwo) + "\ncolour g 00ff00\npicture b\n.g\n..\n"
                                                    "compose c = a + b : both\n",
                           "t.txt"))
        << book.error();
    const Sprite* c = book.Find("c");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->label, "both");
    EXPECT_EQ(c->Colour(1, 0), 0x00FF00u);  // from b
    EXPECT_EQ(c->Colour(0, 0), 0xFF0000u);  // from a, not covered by b
    EXPECT_TRUE(c->IsOpaque(1, 1));
}

TEST(SpriteBook, PaletteCarriesOverToTheNextSource) {
    SpriteBook book;
    ASSERT_TRUE(book.Parse("colour z 123456\n", "palette.txt"));
    ASSERT_TRUE(book.Parse("picture p\nz\n", "other.txt")) << book.error();
    EXPECT_EQ(book.Find("p")->Colour(0, 0), 0x123456u);
}

TEST(SpriteBook, RowOfTheWrongWidthNamesFileAndLine) {
    SpriteBook book;
    EXPECT_FALSE(book.Parse("colour r ff0000\npicture a\nrr\nrrr\n", "bad.txt"));
    EXPECT_EQ(book.error().rfind("bad.txt:4:", 0), 0u) << book.error();
}

TEST(SpriteBook, CharacterWithoutColourIsRejected) {
    SpriteBook book;
    EXPECT_FALSE(book.Parse("picture a\nq\n", "bad.txt"));
    EXPECT_NE(book.error().find("no colour"), std::string::npos) << book.error();
}

TEST(SpriteBook, NameDefinedTwiceIsRejected) {
    SpriteBook book;
    EXPECT_FALSE(book.Parse(std::string(kTwoByTwo) + "\npicture a\nr\n", "bad.txt"));
    EXPECT_NE(book.error().find("twice"), std::string::npos) << book.error();
}

TEST(SpriteBook, CompositionOfUnknownOrMismatchedPartsIsRejected) {
    SpriteBook unknown;
    EXPECT_FALSE(unknown.Parse(std::string(kTwoByTwo) + "compose c = a + nothing\n", "x.txt"));
    EXPECT_NE(unknown.error().find("nothing"), std::string::npos);
    SpriteBook mismatched;
    EXPECT_FALSE(
        mismatched.Parse(std::string(kTwoByTwo) + "\npicture b\nr\ncompose c = a + b\n", "x.txt"));
    EXPECT_NE(mismatched.error().find("size"), std::string::npos);
}

TEST(SpriteBook, BadColourLineAndPictureWithoutRowsAreRejected) {
    SpriteBook colour;
    EXPECT_FALSE(colour.Parse("colour r red\n", "x.txt"));
    SpriteBook empty;
    EXPECT_FALSE(empty.Parse("picture a\n\npicture b\nW\n", "x.txt"));
    SpriteBook stray;
    EXPECT_FALSE(stray.Parse("colour r ff0000\nrr\n", "x.txt"));
}

TEST(SpriteBook, PrefixListsMatchingPicturesInNameOrder) {
    SpriteBook book;
    ASSERT_TRUE(
        book.Parse("colour r ff0000\npicture x.b\nr\n\npicture x.a\nr\n\npicture y\nr\n", "t.txt"));
    const auto found = book.WithPrefix("x.");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0]->name, "x.a");
    EXPECT_EQ(found[1]->name, "x.b");
}

TEST(SpriteSources, LoadAndHoldEveryPictureTheProgramsNeed) {
    const char* sourceDir = std::getenv("TARN_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr);
    SpriteBook book;
    std::string error;
    ASSERT_TRUE(LoadSprites(std::filesystem::path(sourceDir) / "assets" / "sprites", book, error))
        << error;
    EXPECT_TRUE(CheckCatalog(book, error)) << error;
}

TEST(PlayerSilhouette, IsTheUnionOfTheWalkingPowerAndDeathPictures) {
    std::string text = "colour r ff0000\n";
    auto cell = [](int x, int y) {
        std::string rows;
        for (int row = 0; row < 16; ++row) {
            for (int col = 0; col < 16; ++col) {
                rows += (col == x && row == y) ? 'r' : '.';
            }
            rows += '\n';
        }
        return rows;
    };
    text += "picture player.0\n" + cell(1, 2) + "\n";
    text += "picture player.7\n" + cell(3, 4) + "\n";
    text += "picture player.power\n" + cell(5, 6) + "\n";
    text += "picture player.dead\n" + cell(7, 8) + "\n";
    text += "picture icon.life\n" + cell(9, 9) + "\n";
    SpriteBook book;
    ASSERT_TRUE(book.Parse(text, "t.txt")) << book.error();
    const Sprite silhouette = PlayerSilhouette(book);
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            opaque += silhouette.IsOpaque(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(opaque, 4);
    EXPECT_TRUE(silhouette.IsOpaque(1, 2));
    EXPECT_TRUE(silhouette.IsOpaque(3, 4));
    EXPECT_TRUE(silhouette.IsOpaque(5, 6));
    EXPECT_TRUE(silhouette.IsOpaque(7, 8));
    EXPECT_FALSE(silhouette.IsOpaque(9, 9));  // icons are not part of the player
}

}  // namespace
}  // namespace tarn::assetgen
