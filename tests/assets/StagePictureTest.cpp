// The gallery's stage pictures: a whole stage drawn the way the game composes its map, the
// picture made smaller for the gallery, and the background tiles the shipped stages name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "assets/gen/ArtCatalog.h"
#include "assets/gen/Backgrounds.h"
#include "assets/gen/ScenePreview.h"
#include "support/StageText.h"

namespace tarn::assetgen {
namespace {

std::filesystem::path SourceDir() {
    const char* dir = std::getenv("TARN_SOURCE_DIR");
    return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(".");
}

const SpriteBook& Sources() {
    static const SpriteBook book = [] {
        SpriteBook loaded;
        std::string error;
        if (!LoadSprites(SourceDir() / "assets" / "sprites", loaded, error)) {
            ADD_FAILURE() << "sprite sources: " << error;
        }
        return loaded;
    }();
    return book;
}

// True when every opaque pixel of the sprite shows at (x, y) of the picture.
bool Shows(const Surface& picture, const Sprite& sprite, int x, int y) {
    for (int sy = 0; sy < sprite.height; ++sy) {
        for (int sx = 0; sx < sprite.width; ++sx) {
            if (sprite.IsOpaque(sx, sy) &&
                picture.Pixel(x + sx, y + sy) != (sprite.Colour(sx, sy) & 0xFFFFFF)) {
                return false;
            }
        }
    }
    return true;
}

StageCells EmptyCells() {
    StageCells cells;
    for (auto& row : cells) {
        row.assign(kMapColumns, Code(Chip::Empty));
    }
    return cells;
}

TEST(StagePicture, ShowsTheTileChipsObjectsAndThePlayerAtTheStart) {
    const Surface tile(7, 5, Rgb(1, 2, 3));
    StageCells cells = EmptyCells();
    cells[3][5] = Code(Chip::BreakableBlock);
    cells[3][8] = Code(Chip::WalkingEnemy);
    const Surface map = StagePicture(Sources(), tile, cells, 2 * 16, 3 * 16);

    ASSERT_EQ(map.width(), kMapWidth);
    ASSERT_EQ(map.height(), kMapHeight);
    EXPECT_EQ(map.Pixel(1000, 700), Rgb(1, 2, 3));
    EXPECT_EQ(map.Pixel(kMapWidth - 1, kMapHeight - 1), Rgb(1, 2, 3));
    ASSERT_NE(Sources().Find(ChipName(Code(Chip::BreakableBlock))), nullptr);
    EXPECT_TRUE(Shows(map, *Sources().Find(ChipName(Code(Chip::BreakableBlock))), 5 * 16, 3 * 16));
    // A cell that becomes a moving object shows the object, as the game draws it.
    const int walker = int(*InfoOf(Chip::WalkingEnemy).object);
    ASSERT_NE(Sources().Find(ObjectName(walker)), nullptr);
    EXPECT_TRUE(Shows(map, *Sources().Find(ObjectName(walker)), 8 * 16, 3 * 16));
    ASSERT_NE(Sources().Find(WalkName(2)), nullptr);
    EXPECT_TRUE(Shows(map, *Sources().Find(WalkName(2)), 2 * 16, 3 * 16));
}

TEST(StagePicture, ShortRowsAndCodesOutOfRangeDrawNothing) {
    const Surface tile(7, 5, Rgb(9, 9, 9));
    StageCells cells;
    cells[10] = {Code(Chip::UnbreakableBlock), -1, 99};
    const Surface map = StagePicture(Sources(), tile, cells, -100, -100);
    EXPECT_NE(map.Pixel(8, 10 * 16 + 8), Rgb(9, 9, 9));
    for (int x = 16; x < 48; ++x) {
        EXPECT_EQ(map.Pixel(x, 10 * 16 + 8), Rgb(9, 9, 9)) << x;
    }
}

TEST(Reduce, AveragesEachBlockAndRoundsHalfUp) {
    Surface picture(4, 2, Rgb(0, 0, 0));
    picture.SetPixel(0, 0, Rgb(255, 0, 4));
    picture.SetPixel(1, 1, Rgb(3, 0, 4));
    picture.FillRect(2, 0, 2, 2, Rgb(10, 20, 30));
    const Surface reduced = Reduce(picture, 2);
    ASSERT_EQ(reduced.width(), 2);
    ASSERT_EQ(reduced.height(), 1);
    EXPECT_EQ(reduced.Pixel(0, 0), Rgb(65, 0, 2));
    EXPECT_EQ(reduced.Pixel(1, 0), Rgb(10, 20, 30));
    EXPECT_EQ(Reduce(picture, 1), picture);
}

// The backgrounds the shipped stage texts name, by stage.
std::map<std::string, std::string> ShippedBackgrounds() {
    std::map<std::string, std::string> backgrounds;
    for (const char* folder : {"standard", "veteran"}) {
        const auto dir = SourceDir() / "assets" / "stages" / folder;
        std::error_code error;
        for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
             it.increment(error)) {
            if (it->path().extension() != ".txt") {
                continue;
            }
            std::ifstream file(it->path(), std::ios::binary);
            std::ostringstream text;
            text << file.rdbuf();
            backgrounds[std::string(folder) + "/" + it->path().stem().string()] =
                ReadGameStage(text.str()).BackgroundName;
        }
        EXPECT_FALSE(error) << dir;
    }
    return backgrounds;
}

TEST(ShippedStageBackgrounds, AreGeneratedTilesAndEveryTileIsUsed) {
    std::set<std::string> tiles;
    for (const BackgroundTile& tile : BackgroundTiles(Sources())) {
        tiles.insert(tile.file);
    }
    const auto backgrounds = ShippedBackgrounds();
    ASSERT_GE(backgrounds.size(), 12u);
    std::set<std::string> used;
    for (const auto& [stage, background] : backgrounds) {
        EXPECT_TRUE(tiles.count(background)) << stage << " names " << background;
        used.insert(background);
    }
    EXPECT_EQ(used, tiles);
}

TEST(ShippedStageBackgrounds, WorldTwoGivesEachStageOneOfItsOwn) {
    const auto backgrounds = ShippedBackgrounds();
    std::set<std::string> worldOne, worldTwo;
    for (const auto& [stage, background] : backgrounds) {
        if (stage.rfind("standard/1-", 0) == 0) {
            worldOne.insert(background);
        } else if (stage.rfind("standard/2-", 0) == 0) {
            EXPECT_FALSE(worldTwo.count(background)) << stage << " shares " << background;
            worldTwo.insert(background);
        }
    }
    EXPECT_EQ(worldTwo.size(), 4u);
    for (const std::string& background : worldTwo) {
        EXPECT_FALSE(worldOne.count(background)) << background << " is world 1's already";
    }
}

}  // namespace
}  // namespace tarn::assetgen
