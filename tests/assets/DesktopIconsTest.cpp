// The desktop's icons: every icon at every size, each pixel a sprite pixel enlarged, and
// sprites that cannot make an icon refused.
#include "assets/gen/DesktopIcons.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstdlib>
#include <memory>

#include "assets/gen/ArtCatalog.h"
#include "tests/common/TestFiles.h"

namespace tarn::assetgen {
namespace {

namespace fs = std::filesystem;

SpriteBook Sources() {
    SpriteBook book;
    std::string error;
    const char* dir = std::getenv("TARN_SOURCE_DIR");
    if (dir == nullptr || !LoadSprites(fs::path(dir) / "assets" / "sprites", book, error)) {
        ADD_FAILURE() << "sprite sources: " << error;
    }
    return book;
}

struct Rgba {
    int width = 0;
    int height = 0;
    std::unique_ptr<unsigned char, void (*)(void*)> pixels{nullptr, stbi_image_free};

    const unsigned char* At(int x, int y) const {
        return pixels.get() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4;
    }
};

Rgba LoadRgba(const fs::path& file) {
    Rgba image;
    int channels = 0;
    image.pixels.reset(stbi_load(file.c_str(), &image.width, &image.height, &channels, 4));
    return image;
}

TEST(DesktopIcons, EveryIconAtEverySizeOfTheTheme) {
    const SpriteBook book = Sources();
    testing::ScratchDir dir;
    std::string error;
    ASSERT_TRUE(WriteDesktopIcons(book, dir.path(), error)) << error;
    for (const DesktopIcon& icon : DesktopIcons()) {
        for (const int size : DesktopIconSizes()) {
            const std::string folder = std::to_string(size) + "x" + std::to_string(size);
            const Rgba image = LoadRgba(dir / folder / icon.context / (icon.name + ".png"));
            ASSERT_TRUE(image.pixels) << icon.name << " at " << size;
            EXPECT_EQ(image.width, size);
            EXPECT_EQ(image.height, size);
        }
    }
}

TEST(DesktopIcons, EachSpritePixelBecomesABlockAndTransparencyStays) {
    const SpriteBook book = Sources();
    testing::ScratchDir dir;
    std::string error;
    ASSERT_TRUE(WriteDesktopIcons(book, dir.path(), error)) << error;
    const Sprite* player = book.Find("player.0");
    ASSERT_NE(player, nullptr);
    const Rgba image = LoadRgba(dir / "64x64" / "apps" / "tarn2.png");
    ASSERT_TRUE(image.pixels);
    int transparent = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const unsigned char* pixel = image.At(x, y);
            const int sx = x / 4;
            const int sy = y / 4;
            if (!player->IsOpaque(sx, sy)) {
                EXPECT_EQ(pixel[3], 0) << x << "," << y;
                ++transparent;
                continue;
            }
            const std::uint32_t colour = player->Colour(sx, sy);
            EXPECT_EQ(pixel[0], (colour >> 16) & 0xff) << x << "," << y;
            EXPECT_EQ(pixel[1], (colour >> 8) & 0xff) << x << "," << y;
            EXPECT_EQ(pixel[2], colour & 0xff) << x << "," << y;
            EXPECT_EQ(pixel[3], 255) << x << "," << y;
        }
    }
    EXPECT_GT(transparent, 0) << "the player sprite has a transparent surround";
}

TEST(DesktopIcons, MissingSpriteIsReported) {
    SpriteBook book;
    ASSERT_TRUE(book.Parse("colour r c04030\npicture player.0\nrr\nrr\n", "test"));
    testing::ScratchDir dir;
    std::string error;
    EXPECT_FALSE(WriteDesktopIcons(book, dir.path(), error));
    EXPECT_NE(error.find("player.power"), std::string::npos) << error;
}

TEST(DesktopIcons, SpriteThatDoesNotDivideASizeIsRefused) {
    SpriteBook book;
    ASSERT_TRUE(book.Parse("colour r c04030\npicture player.0\nrrr\nrrr\nrrr\n", "test"));
    testing::ScratchDir dir;
    std::string error;
    EXPECT_FALSE(WriteDesktopIcons(book, dir.path(), error));
    EXPECT_NE(error.find("whole number"), std::string::npos) << error;
}

}  // namespace
}  // namespace tarn::assetgen
