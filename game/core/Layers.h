// The off-screen pictures of a loaded stage and the two ways the game repairs them.
#pragma once

#include "support/Surface.h"

namespace tarn::art {
struct BuiltinPictures;
}

namespace tarn::game {

struct Layers {
    Surface BackPIC;   // tiled background of the whole stage
    Surface MainV;     // map chips
    Surface MainMask;  // mask of MainV
    Surface PBuffer;   // composition: background, chips, figures, score texts (with a margin)
};

// PBuffer is the map's size plus this margin in both directions.
inline constexpr int kPBufferMargin = 100;

// Copies the area from BackPIC onto PBuffer, then MainV through MainMask over it.
void RestoreArea(Layers& layers, int x, int y, int w, int h);

// Draws a chip code's picture into MainV and its mask into MainMask at the cell.
void RedrawCell(Layers& layers, const art::BuiltinPictures& art, int column, int row, int code);

}  // namespace tarn::game
