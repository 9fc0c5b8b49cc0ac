// Breadth-first search over (cell, rows of climb left). Standing on something restores the
// climb; moving down spends it all, so a fall cannot turn back into a climb.
#include "editor/doc/GoalReach.h"

#include <array>
#include <deque>
#include <vector>

namespace tarn::editor {
namespace {

Chip ChipAt(const StageMap& map, int column, int row) {
    return static_cast<Chip>(map[std::size_t(row)][std::size_t(column)]);
}

bool IsGoal(Chip chip) {
    return chip == Chip::Goal1 || chip == Chip::Goal2;
}

// Cells that stop the player even in the generous view.
bool Blocks(const StageMap& map, int column, int row) {
    if (column < 0 || column >= kMapColumns || row < 0) {
        return true;
    }
    if (row >= kMapRows) {
        return false;  // below the map: falling out, never standing
    }
    const Chip chip = ChipAt(map, column, row);
    if (chip == Chip::BreakableBlock) {
        return false;
    }
    return kChipTable[std::size_t(Code(chip))].solid;
}

bool IsLift(Chip chip) {
    return chip == Chip::VerticalLiftUp || chip == Chip::VerticalLiftDown ||
           chip == Chip::HorizontalLift;
}

// Something to stand on below (column, row): a block, or a lift's row which the lift may
// bring under the player.
bool Supported(const StageMap& map, int column, int row) {
    if (row + 1 >= kMapRows) {
        return false;
    }
    const Chip below = ChipAt(map, column, row + 1);
    return Blocks(map, column, row + 1) || below == Chip::CoinBlock || IsLift(below) ||
           IsLift(ChipAt(map, column, row));
}

// Columns holding a vertical lift carry the player anywhere between their blocks.
std::array<bool, kMapColumns> LiftColumns(const StageMap& map) {
    std::array<bool, kMapColumns> columns{};
    for (int row = 0; row < kMapRows; ++row) {
        for (int column = 0; column < kMapColumns; ++column) {
            const Chip chip = ChipAt(map, column, row);
            columns[std::size_t(column)] = columns[std::size_t(column)] ||
                                           chip == Chip::VerticalLiftUp ||
                                           chip == Chip::VerticalLiftDown;
        }
    }
    return columns;
}

}  // namespace

bool StandsOn(const StageMap& map, int column, int row) {
    return Supported(map, column, row);
}

bool HasGoal(const StageMap& map) {
    for (const auto& row : map) {
        for (std::uint8_t code : row) {
            if (IsGoal(static_cast<Chip>(code))) {
                return true;
            }
        }
    }
    return false;
}

std::optional<std::pair<int, int>> ReachableGoal(const StageMap& map, int column, int row) {
    const auto path = GoalPath(map, column, row);
    if (path.empty()) {
        return std::nullopt;
    }
    return path.back();
}

std::vector<std::pair<int, int>> GoalPath(const StageMap& map, int column, int row,
                                          std::optional<Chip> only) {
    if (column < 0 || column >= kMapColumns || row < 0 || row >= kMapRows ||
        Blocks(map, column, row)) {
        return {};
    }
    const auto lifts = LiftColumns(map);
    // best[cell] is the most climb any visit of the cell had left; a visit with no more
    // climb than that finds nothing new.
    std::vector<int> best(std::size_t(kMapColumns * kMapRows), -1);
    struct Visit {
        int column, row, climb, from;
    };
    // Every visit made, so the way can be followed back from the goal.
    std::vector<Visit> visits;
    std::deque<int> queue;
    int current = -1;
    auto visit = [&](int c, int r, int climb) {
        if (Blocks(map, c, r) || r >= kMapRows) {
            return;
        }
        if (Supported(map, c, r) || lifts[std::size_t(c)]) {
            climb = kGenerousJumpRows;
        }
        int& seen = best[std::size_t(r * kMapColumns + c)];
        if (climb > seen) {
            seen = climb;
            visits.push_back({c, r, climb, current});
            queue.push_back(int(visits.size()) - 1);
        }
    };
    visit(column, row, kGenerousJumpRows);
    while (!queue.empty()) {
        current = queue.front();
        queue.pop_front();
        const Visit v = visits[std::size_t(current)];
        const Chip here = ChipAt(map, v.column, v.row);
        if (only ? here == *only : IsGoal(here)) {
            std::vector<std::pair<int, int>> path;
            for (int at = current; at >= 0; at = visits[std::size_t(at)].from) {
                path.emplace_back(visits[std::size_t(at)].column, visits[std::size_t(at)].row);
            }
            return {path.rbegin(), path.rend()};
        }
        visit(v.column - 1, v.row, v.climb);
        visit(v.column + 1, v.row, v.climb);
        visit(v.column, v.row + 1, 0);
        if (v.climb > 0) {
            visit(v.column, v.row - 1, v.climb - 1);
        }
    }
    return {};
}

}  // namespace tarn::editor
