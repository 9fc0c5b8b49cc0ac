// The map canvas's rules without any toolkit: the palette texts, cell addressing, the
// texts of the cursor, hover and range-size labels, and the window layout on resize.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "support/ChipTable.h"

namespace tarn::editor {

inline constexpr int kCellPixels = 10;
inline constexpr int kCanvasWidth = kMapColumns * kCellPixels;  // 2000
inline constexpr int kCanvasHeight = kMapRows * kCellPixels;    // 600
inline constexpr int kClassicClientWidth = 683;
inline constexpr int kClassicClientHeight = 471;
inline constexpr std::string_view kFallingWalkerMessage =
    "歩く敵を使用してください。空中に置くと自然に落下中になります。";
inline constexpr std::string_view kUndefinedText = "未定義";

// Draw mode list: "通常" (paint), "範囲選択モード" (range fill), then the editor's own
// "矩形選択" (select cells for copy, cut and paste) and "塗りつぶし" (bucket fill).
enum DrawModeIndex { kPaintMode = 0, kRangeFillMode = 1, kSelectMode = 2, kBucketMode = 3 };
const std::array<std::string_view, 4>& DrawModeTexts();

// A canvas pixel position to a cell index: rounded half to even, then divided by the
// cell size (10 unzoomed) truncating toward zero (so -0.5 < x < 10 all give 0, as does
// any x down to -9.5). Every whole pixel of a cell's square addresses that cell.
int CellIndex(double position, int cellPixels = kCellPixels);
// The same rounding for anchors and band edges.
int RoundPixel(double position);

// "X:" column + 1 "  Y:" row + 1.
std::string CursorCellText(int column, int row);
// Palette text of a code (from the chip table), or "未定義" for 0 (and for codes without
// an entry).
std::string HoverText(int code);

// The range band: anchor and the current pointer, negative pointer positions taken as 0.
struct Band {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};
Band BandFromDrag(double anchorX, double anchorY, double x, double y);
// "横幅：" columns "　縦幅：" rows, each number with one leading space.
std::string BandSizeText(const Band& band, int cellPixels = kCellPixels);
// First and last cells covered by a band (inclusive, not clipped to the map).
struct CellRange {
    int firstColumn = 0;
    int firstRow = 0;
    int lastColumn = 0;
    int lastRow = 0;
};
CellRange BandCells(const Band& band, int cellPixels = kCellPixels);
// The size text of a range of cells, as the band shows it.
std::string RangeSizeText(const CellRange& range);

// Geometry of the controls below the property band for a client area, in pixels.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
struct CanvasLayout {
    Rect viewport;
    Rect verticalBar;
    Rect horizontalBar;
    int cursorLabelTop = 0;
    int verticalMaximum = 0;    // viewport height - 600, as a 16-bit value
    int horizontalMaximum = 0;  // viewport width - 2000, as a 16-bit value
};
CanvasLayout ComputeLayout(int clientWidth, int clientHeight);

// The outer size the window snaps to when its client area becomes too small: the width
// becomes 440 when the client is narrower than 440, the height 440 when the client is
// lower than 240. Zero means "leave this dimension alone".
struct SnapSize {
    int width = 0;
    int height = 0;
};
SnapSize SnapWindow(int clientWidth, int clientHeight);

// The client area a new window opens with, given the room the screen leaves for it: as
// much of the map as fits, up to the whole map (2021 × 766), and never less than the
// classic 683 × 471.
struct ClientSize {
    int width = 0;
    int height = 0;
};
ClientSize DefaultClientSize(int roomWidth, int roomHeight);

// The scroll bar value (0 down to viewport - canvas) that brings the cell starting at
// cellPixel into a viewport of the given size: unchanged from 0 when the cell is in view
// there, else with the cell at a third of the viewport, as far as the canvas allows.
int ScrollValueShowing(int cellPixel, int viewportSize, int canvasSize);

}  // namespace tarn::editor
