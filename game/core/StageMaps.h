// The part of the stage loader that turns decoded map rows into the in-memory stage: the
// chip and pass maps and the table of moving objects, read from the chip table. The rules
// tests and the replay planner build their stages through it too.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/core/GameState.h"

namespace tarn::game {

using MapRows = std::array<std::vector<std::int32_t>, kMapRows>;

// Visits the cells the loader scans: rows 0 to 60, each from column 0 up to its first end
// marker (-1), at most to column 200.
template <typename Visit>
void ForEachLoadedCell(Stage& stage, Visit&& visit) {
    for (int row = 0; row <= kMapRows; ++row) {
        for (int col = 0; col <= kMapColumns; ++col) {
            std::int32_t& code = stage.ChipMap[std::size_t(row)][std::size_t(col)];
            if (code == -1) {
                break;
            }
            visit(col, row, code);
        }
    }
}

// Fills ChipMap and PassMap from the rows (each cut at 201 cells; the cell after a short
// row keeps the end marker -1) and makes the moving objects: their cells become 0, the
// objects are numbered in scan order and take their kind and starting steps (doubled in
// the low-spec build) from the chip table. Column 201 is left alone.
void FillMaps(GameState& state, const MapRows& rows);

}  // namespace tarn::game
