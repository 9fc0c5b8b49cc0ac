// Rectangles of map cells as the clipboard carries them, the connected area a bucket
// fill covers, and the part of the map the player sees first.
//
// As text a block is one line per row, top row first, one character per cell in the
// stage file's own characters ("0".."9", "A".."N"), so a piece of a stage can be pasted
// into a chat and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/doc/CanvasRules.h"

namespace tarn::editor {

class StageDocument;

struct CellBlock {
    int columns = 0;
    int rows = 0;
    std::vector<int> codes;  // row by row; kNoCell where a short text row ended
    static constexpr int kNoCell = -1;
    int At(int column, int row) const { return codes[std::size_t(row * columns + column)]; }
};

// The range clipped to the map, or nothing when no cell of it lies on the map.
std::optional<CellRange> ClipToMap(const CellRange& range);
// The cells of a range that lies on the map.
CellBlock CopyBlock(const StageDocument& doc, const CellRange& range);
// Rows joined by "\n", without a line end after the last row.
std::string BlockText(const CellBlock& block);
// A block from text: lines end at CR LF, LF or CR; blanks around lines and empty lines
// at the ends are dropped. Nothing when a line holds another character than the map's,
// or the text is empty or larger than the map.
std::optional<CellBlock> ParseBlockText(std::string_view text);

// The cells 4-connected to (column, row) holding the same code as it, that cell first.
std::vector<std::pair<int, int>> ConnectedEqualCells(const StageDocument& doc, int column, int row);

// What the game shows when a stage starts at the given cell, in map pixels (16 a cell):
// 320 x 240 pixels (20 x 15 cells) with the player at (160, 120), clamped to the map as
// the game's view is. Its top edge can fall in the middle of a cell.
Rect FirstViewPixels(int startColumn, int startRow);

}  // namespace tarn::editor
