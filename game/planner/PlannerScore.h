// How the planner judges a line of play (PlannerSearch.h): where a player in the air can
// come down, when a waypoint is passed, and the score that orders the lines of a step.
#pragma once

#include <cstddef>
#include <optional>

#include "game/planner/PlannerSearch.h"

namespace tarn::planner {

// On the ground, on a lift, or just placed by a stomp.
bool Standing(const Player& p);

// Where a player in the air can come down: the highest top of a solid cell, or of a lift or
// an enemy, below the player's feet within the reach of steering sideways (one pixel across
// for each pixel down, dashing, and for a rising player also across the rest of the rise and
// back); the player's y when standing there. None when there is nothing to land on: such
// lines only look close to a waypoint until they drop out of the map. A standing player
// stays where it is.
std::optional<int> LandingY(const GameState& state);

// True once the line has passed the waypoint: standing within its reach, or for a waypoint
// on a cell, once that cell holds another chip than at the start.
bool Passed(const Waypoint& w, const GameState& state, const GameState& start);

// With options.field, scores the line by the field: 16 pixels less for each move it is
// from the goal, plus its points at options.pointWorth; none for a line the field knows no
// way on from. Otherwise moves `waypoint` past every waypoint the line has passed, then
// scores the line: 100000 per waypoint passed, less its distance to the next one measured
// from where it will come down (height counting half again), plus its points at
// options.pointWorth. None for a line with nowhere to land.
std::optional<double> ScoreLine(const PlanOptions& options, const GameState& start,
                                const GameState& state, std::size_t& waypoint);

}  // namespace tarn::planner
