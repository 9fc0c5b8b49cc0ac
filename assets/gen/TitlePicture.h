// The title picture bg.jpg: 640 x 480, the game's name on the right, a quiet night sky on
// the left where the menu prints its lines, and a small scene of the game along the bottom.
#pragma once

#include "assets/gen/PixelFont.h"

namespace tarn::assetgen {

inline constexpr int kTitleWidth = 640;
inline constexpr int kTitleHeight = 480;

Surface TitlePicture(const SpriteBook& book, const PixelFont& font);

}  // namespace tarn::assetgen
