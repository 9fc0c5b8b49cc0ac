// Zoom levels of the map canvas, as whole pixels per cell side so that every pixel of
// the canvas belongs to exactly one cell: from the size that shows the whole map in the
// viewport up to 32. At 16 and above the canvas draws the game's own 16 x 16 chip
// pictures; below, the 10 x 10 editor tiles.
#pragma once

namespace tarn::editor {

inline constexpr int kMinCellPixels = 1;
inline constexpr int kMaxCellPixels = 32;
inline constexpr int kGamePictureCellPixels = 16;

// The largest cell size at which all 200 x 60 cells fit the viewport (at least 1, at
// most 32).
int FitCellPixels(int viewportWidth, int viewportHeight);
// The next step up the zoom ladder (1 2 3 4 5 6 8 10 12 16 20 24 32), at most 32.
int ZoomedIn(int cellPixels);
// The next step down, but never below the size that fits the whole map: a size at or
// below fit stays where it is.
int ZoomedOut(int cellPixels, int fit);
// The scroll value (0 down to viewport - canvas) that puts the map point mapCells (in
// cells from the map's edge) under the anchor, in viewport pixels, as far as the canvas
// allows.
int ScrollValuePlacing(double mapCells, int anchor, int cellPixels, int viewportSize,
                       int canvasSize);

}  // namespace tarn::editor
