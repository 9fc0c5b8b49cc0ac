// A distance-to-goal field over the stage's cells for the planner's search: how many
// cell moves a one-cell player needs at least from a cell in a given state of motion
// (standing, falling, or rising with some rows of climb left) to a goal. It is worked out
// once from the stage's start by a breadth-first search backwards from the goal cells
// over a model of the moves: walking and dashing along supports, jumps five rows high
// (ten after a stomp on an enemy's path), one column across per row in the air, lifts as
// supports along their paths, brick ceilings broken by head hits and, with the power key,
// bricks crushed and spike beds passed downwards. The model is a little generous, so the
// field guides the search without needing a hand-made route.
#pragma once

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "game/core/GameState.h"

namespace tarn::planner {

class DistanceField {
  public:
    static constexpr int kUnreachable = std::numeric_limits<int>::max();

    // goal: 1 or 2 for that goal's cells only, 0 for either. power: the search may hold
    // the power key, so bricks below may be crushed and spike beds passed on the way down.
    DistanceField(const game::GameState& start, int goal, bool power);

    // The least moves from the player's cell and state of motion to a goal, less the cost
    // of each brick broken since the start (so it may go below 0); kUnreachable when the
    // model knows no way from there (a fall into a pit, usually).
    int Distance(const game::GameState& state) const;

    // The least moves from standing (or, without support, falling) in a cell.
    int FromCell(int column, int row) const;

  private:
    // Modes of a node: standing, falling, rising with 1..kMaxClimb rows of climb left.
    static constexpr int kStand = 0, kFall = 1, kMaxClimb = 10, kModes = 2 + kMaxClimb;
    static int Node(int mode, int column, int row);
    int At(int mode, int column, int row) const;
    int Rising(int climb) const { return climb <= 0 ? kFall : 1 + climb; }

    std::vector<std::uint8_t> supported_;      // per cell: something to stand on
    std::vector<std::pair<int, int>> bricks_;  // breakable blocks at the start
    std::vector<int> distance_;                // per node
};

}  // namespace tarn::planner
