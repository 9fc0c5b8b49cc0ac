// Placing the picture in a window of any size: sharp scaling by whole-number factors,
// smooth scaling to fill, centred, black around it.
#include "game/sdl/PictureScaling.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace tarn::game {
namespace {

TEST(PlacePictureTest, SharpScalingTakesTheLargestWholeFactorThatFitsAndCentresIt) {
    EXPECT_EQ(PlacePicture(640, 496, false), (Placement{0, 0, 640, 496}));
    EXPECT_EQ(PlacePicture(1400, 1100, false), (Placement{60, 54, 1280, 992}));
    EXPECT_EQ(PlacePicture(1920, 1080, false), (Placement{320, 44, 1280, 992}));
    EXPECT_EQ(PlacePicture(1279, 2000, false), (Placement{319, 752, 640, 496}));
    EXPECT_EQ(PlacePicture(2560, 1600, false), (Placement{320, 56, 1920, 1488}));
}

TEST(PlacePictureTest, SmoothScalingFillsAsMuchAsTheShapeAllows) {
    EXPECT_EQ(PlacePicture(1400, 1100, true), (Placement{0, 7, 1400, 1085}));
    EXPECT_EQ(PlacePicture(1920, 1080, true), (Placement{263, 0, 1393, 1080}));
    EXPECT_EQ(PlacePicture(640, 496, true), (Placement{0, 0, 640, 496}));
}

TEST(PlacePictureTest, ASmallerWindowShowsThePictureShrunkToFit) {
    EXPECT_EQ(PlacePicture(320, 248, false), (Placement{0, 0, 320, 248}));
    EXPECT_EQ(PlacePicture(500, 600, false), (Placement{0, 106, 500, 387}));
}

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr NewSurface(int width, int height) {
    return SurfacePtr(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888),
                      &SDL_FreeSurface);
}

Uint32 PixelAt(const SDL_Surface* surface, int x, int y) {
    Uint32 pixel = 0;
    std::memcpy(&pixel,
                static_cast<const Uint8*>(surface->pixels) +
                    std::size_t(y) * std::size_t(surface->pitch) + std::size_t(x) * 4,
                4);
    return pixel & 0xFFFFFF;
}

void PutPixel(SDL_Surface* surface, int x, int y, Uint32 color) {
    SDL_Rect one{x, y, 1, 1};
    SDL_FillRect(surface, &one, color);
}

// A picture of one colour with single pixels of others in two corners.
SurfacePtr Picture() {
    SurfacePtr picture = NewSurface(kPictureWidth, kPictureHeight);
    SDL_FillRect(picture.get(), nullptr, 0x204060);
    PutPixel(picture.get(), 0, 0, 0xFF0000);
    PutPixel(picture.get(), kPictureWidth - 1, kPictureHeight - 1, 0x00FF00);
    return picture;
}

TEST(DrawPictureTest, SharpScalingMakesEveryPixelASquareAndBlackensTheBorders) {
    const SurfacePtr picture = Picture();
    const SurfacePtr window = NewSurface(1400, 1100);
    SDL_FillRect(window.get(), nullptr, 0xFFFFFF);
    DrawPicture(picture.get(), window.get(), false);
    // 2x at (60, 54): the first pixel covers 60..61 x 54..55.
    for (const auto& [x, y] : {std::pair{60, 54}, {61, 54}, {60, 55}, {61, 55}}) {
        EXPECT_EQ(PixelAt(window.get(), x, y), 0xFF0000u) << x << "," << y;
    }
    EXPECT_EQ(PixelAt(window.get(), 62, 54), 0x204060u);
    EXPECT_EQ(PixelAt(window.get(), 60 + 1279, 54 + 991), 0x00FF00u);
    EXPECT_EQ(PixelAt(window.get(), 60 + 1278, 54 + 990), 0x00FF00u);
    for (const auto& [x, y] :
         {std::pair{59, 54}, {60, 53}, {1340, 600}, {700, 1046}, {0, 0}, {1399, 1099}}) {
        EXPECT_EQ(PixelAt(window.get(), x, y), 0u) << x << "," << y;
    }
}

TEST(DrawPictureTest, SmoothScalingBlendsNeighbouringPixels) {
    const SurfacePtr picture = Picture();
    const SurfacePtr window = NewSurface(1400, 1100);
    DrawPicture(picture.get(), window.get(), true);
    EXPECT_EQ(PixelAt(window.get(), 700, 500), 0x204060u);
    EXPECT_EQ(PixelAt(window.get(), 700, 6), 0u);  // above the picture at (0, 7)
    // Next to the red corner pixel the colours mix.
    const Uint32 mixed = PixelAt(window.get(), 2, 8);
    EXPECT_NE(mixed, 0xFF0000u);
    EXPECT_NE(mixed, 0x204060u);
}

}  // namespace
}  // namespace tarn::game
