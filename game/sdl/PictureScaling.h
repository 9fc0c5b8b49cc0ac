// Where the 640 x 496 picture (status strip and view) goes in a window of any size, and
// drawing it there. Sharp scaling takes the largest whole-number factor that fits, so
// every picture pixel becomes the same square of window pixels; smooth scaling fills the
// window as far as the picture's shape allows and softens the pixels. Either way the
// picture is centred and the rest of the window is black. A window smaller than the
// picture shows it shrunk to fit.
#pragma once

#include <SDL.h>

#include <optional>

namespace tarn::game {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 496;  // the 16-pixel strip above the 480-pixel view

struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Placement&) const = default;
};

Placement PlacePicture(int windowWidth, int windowHeight, bool smooth);

// Draws the picture (kPictureWidth x kPictureHeight, XRGB8888) into the window's surface
// at its placement and clears the borders around it.
void DrawPicture(SDL_Surface* picture, SDL_Surface* window, bool smooth);

// Draws only the picture's rows first..last (inclusive) where DrawPicture drew the whole
// picture before, and returns the part of the window they cover. Only a picture shown pixel
// for pixel or in whole-number squares can be drawn in part: else nothing is drawn and
// nothing returned.
std::optional<SDL_Rect> DrawPictureRows(SDL_Surface* picture, SDL_Surface* window, bool smooth,
                                        int first, int last);

}  // namespace tarn::game
