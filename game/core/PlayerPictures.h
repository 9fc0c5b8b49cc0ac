// The player's figures. The shell loads them once at start-up: MyPic 0..7 from the files
// me/---0.bmp .. me/---7.bmp and MyPicAt (the power-mode figure) from me/---a.bmp, and
// hands them to the frame through FrameContext::playerPictures. The mask is the built-in
// MyMask. Without pictures the player is simply not drawn (tests, headless runs).
#pragma once

#include <array>

#include "support/Surface.h"

namespace tarn::game {

struct PlayerPictures {
    std::array<Surface, 8> MyPic;  // the walking cycle, forward when moving right
    Surface MyPicAt;               // power mode
};

}  // namespace tarn::game
