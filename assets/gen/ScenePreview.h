// A small made-up stage drawn the way the game draws one (background tile, chips through
// their masks, objects and the player through theirs), for the contact sheet: it shows how
// the pictures read against each background.
#pragma once

#include "assets/gen/SpriteBook.h"

namespace tarn::assetgen {

// A 320 x 240 view (the part of a stage the game shows) over the given tile.
Surface ScenePreview(const SpriteBook& book, const Surface& tile);

}  // namespace tarn::assetgen
