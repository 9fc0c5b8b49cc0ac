// A generous test of whether the player could reach a goal at all: the map seen as cells
// the one-cell player may pass, with every jump as high as a powered jump, full control
// in the air, breakable and hidden blocks passable and vertical lifts as ladders. A goal
// this cannot reach is walled in; one it can reach may still be out of reach in play
// (the clearability search answers that).
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "support/StageText.h"

namespace tarn::editor {

// Rows a powered jump climbs, rounded up: twice the 80 pixels of a plain jump.
inline constexpr int kGenerousJumpRows = 10;

// A goal cell (goal 1 or goal 2) the player starting at (column, row) could reach, or
// nullopt when no goal can be reached or the map holds none.
std::optional<std::pair<int, int>> ReachableGoal(const StageMap& map, int column, int row);

// The cells of a shortest such way from (column, row) to a goal, both ends included; empty
// when there is none. With only set, the way leads to a cell of that chip.
std::vector<std::pair<int, int>> GoalPath(const StageMap& map, int column, int row,
                                          std::optional<Chip> only = std::nullopt);

// Whether a player in the cell has something to stand on (or a lift that may come under it).
bool StandsOn(const StageMap& map, int column, int row);

// Whether the map holds a goal cell at all.
bool HasGoal(const StageMap& map);

}  // namespace tarn::editor
