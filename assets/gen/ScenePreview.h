// Stages drawn the way the game draws one (background tile, chips through their masks,
// objects and the player through theirs): a small made-up stage for the contact sheet, which
// shows how the pictures read against each background, and whole stages for the gallery.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "assets/gen/SpriteBook.h"
#include "support/ChipTable.h"

namespace tarn::assetgen {

// A 320 x 240 view (the part of a stage the game shows) over the given tile.
Surface ScenePreview(const SpriteBook& book, const Surface& tile);

// The map of a stage: chip codes, [row][column], rows top first.
using StageCells = std::array<std::vector<std::int32_t>, kMapRows>;

// The whole 3200 x 960 map picture of a stage as the game composes it when the stage
// starts: the tile repeated from the top-left corner, every chip, every moving object at
// its starting cell and the player at the start position (pixels).
Surface StagePicture(const SpriteBook& book, const Surface& tile, const StageCells& cells,
                     int playerX, int playerY);

// The picture made `factor` times smaller, each pixel the mean of a factor x factor block.
Surface Reduce(const Surface& picture, int factor);

}  // namespace tarn::assetgen
