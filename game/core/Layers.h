// The off-screen pictures of a loaded stage and how the game clears and repairs them.
#pragma once

#include <cstdint>
#include <vector>

#include "game/core/KeptRegion.h"
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
    KeptRegion kept;   // where PBuffer must stay exact; work elsewhere may be skipped
    // The chip code RedrawCell last drew at each map cell (column + row x kChipColumns), or
    // kNoChip where MainV and MainMask are black and white; only while cellsKnown.
    std::vector<std::int32_t> drawnCodes;
    bool cellsKnown = false;
};

inline constexpr std::int32_t kNoChip = -1;

// Gives MainV and MainMask the map's size and draws a stage's chips in them: `codes` holds
// the code of every map cell (column + row x kChipColumns), kNoChip for none (black and
// white). Where the cells' codes are known, only cells whose code changes are drawn.
void DrawMapLayers(Layers& layers, const art::BuiltinPictures& art,
                   const std::vector<std::int32_t>& codes);

// Fills a whole surface with one colour through block copies of its first row, which stay
// fast in unoptimised and sanitised builds too (every load clears three map-sized surfaces).
void FillWhole(Surface& surface, std::uint32_t color);

// PBuffer is the map's size plus this margin in both directions.
inline constexpr int kPBufferMargin = 100;

// Copies the area from BackPIC onto PBuffer, then MainV through MainMask over it.
void RestoreArea(Layers& layers, int x, int y, int w, int h);

// Composes the whole of PBuffer as a load leaves it: BackPIC with MainV through MainMask
// over it, black where BackPIC has no pixels.
void ComposeWhole(Layers& layers);

// RestoreArea that leaves the kept pins inside the area pinned (for recomposing them).
void RestoreKeepingPins(Layers& layers, int x, int y, int w, int h);

// RestoreArea for an area that may lie far from the view: only its parts that PBuffer
// keeps exact are restored.
void RestoreKeptArea(Layers& layers, int x, int y, int w, int h);

// Composes PBuffer after a load from BackPIC, MainV and MainMask, and starts keeping it
// exact around `view` (the first frame's view) and around `shownFirst` (a view shown
// before any frame moved it): then only those parts are composed now, the rest as the
// view comes to it; else the whole picture.
void ComposeAndStartKeeping(Layers& layers, const PixelRect& view, const PixelRect& shownFirst);

// Draws a chip code's picture into MainV and its mask into MainMask at the cell.
void RedrawCell(Layers& layers, const art::BuiltinPictures& art, int column, int row, int code);

}  // namespace tarn::game
