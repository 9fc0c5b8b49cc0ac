// How the planner judges a line of play: where a player in the air can come down, when a
// waypoint is passed, and the score that orders the lines of a step.
#include "game/planner/PlannerScore.h"

#include <algorithm>
#include <cstdlib>

#include "game/planner/PlannerField.h"

namespace tarn::planner {

using namespace tarn::game;

bool Standing(const Player& p) {
    return p.JumpState == 0 || p.JumpState == 5;
}

std::optional<int> LandingY(const GameState& state) {
    const Player& p = state.player;
    if (Standing(p)) {
        return p.PlayerY;
    }
    int riseLeft = 0;
    if (p.JumpState == 3) {
        const int power = std::max<int>(p.JumpPower, 1);
        riseLeft = state.lowSpec ? std::max(0, 11 * power - p.JumpFrame) * 8
                                 : std::max(0, 22 * power - p.JumpFrame) * 4;
    }
    const Stage& st = state.stage;
    const int feet = p.PlayerY + kChipSize;
    std::optional<int> landing;
    for (int row = (feet + kChipSize - 1) / kChipSize; row < kMapRows && !landing; ++row) {
        const int spread = row * kChipSize - feet + kChipSize + 2 * riseLeft;
        const int first = std::max(0, (p.PlayerX - spread) / kChipSize);
        const int last = std::min(kMapColumns - 1, (p.PlayerX + 14 + spread) / kChipSize);
        for (int column = first; column <= last; ++column) {
            if (st.Solid(column, row)) {
                landing = (row - 1) * kChipSize;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < std::size_t(st.ObjCount); ++i) {
        const ObjectKind kind = st.ObjKind[i];
        const bool carries =
            kind == ObjectKind::HorizontalLift || kind == ObjectKind::VerticalLift ||
            (kind >= ObjectKind::HorizontalEnemy && kind <= ObjectKind::TurningWalkingEnemyFalling);
        const int top = st.ObjY[i] - kChipSize;
        // A vertical lift may come up to the player from below its feet.
        const int below = std::max(0, top - p.PlayerY);
        if (carries && top >= p.PlayerY - kChipSize &&
            std::abs(st.ObjX[i] - p.PlayerX) <= below + 2 * kChipSize + 2 * riseLeft &&
            (!landing || top < *landing)) {
            landing = std::max(top, p.PlayerY);
        }
    }
    return landing;
}

bool Passed(const Waypoint& w, const GameState& state, const GameState& start) {
    const Player& p = state.player;
    if (w.changes) {
        const int column = w.x / kChipSize, row = w.y / kChipSize - 1;
        return state.stage.Chip(column, row) != start.stage.Chip(column, row);
    }
    return Standing(p) && std::abs(p.PlayerX - w.x) <= w.reach &&
           std::abs(p.PlayerY - w.y) <= w.reach;
}

std::optional<double> ScoreLine(const PlanOptions& options, const GameState& start,
                                const GameState& state, std::size_t& waypoint) {
    const Counters& counters = state.counters;
    const double points = double(counters.Score) + 1000.0 * double(counters.Lives);
    if (options.field != nullptr) {
        const int distance = options.field->Distance(state);
        if (distance == DistanceField::kUnreachable) {
            return std::nullopt;
        }
        return -double(kChipSize) * distance + options.pointWorth * points;
    }
    const std::vector<Waypoint>& route = options.route;
    while (waypoint + 1 < route.size() && Passed(route[waypoint], state, start)) {
        ++waypoint;
    }
    const std::optional<int> y = LandingY(state);
    if (!y) {
        return std::nullopt;
    }
    const Waypoint& w = route[waypoint];
    return double(waypoint) * 100000.0 - std::abs(state.player.PlayerX - w.x) -
           1.5 * std::abs(*y - w.y) + options.pointWorth * points;
}

}  // namespace tarn::planner
