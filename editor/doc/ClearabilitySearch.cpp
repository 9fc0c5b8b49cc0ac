// Turns the document into the planner's start state, distance fields and routes of
// waypoints, runs the searches in turn and words the result.
#include "editor/doc/ClearabilitySearch.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "editor/doc/GoalReach.h"
#include "game/planner/PlannerField.h"
#include "game/planner/PlannerStage.h"

namespace tarn::editor {
namespace {

// Cells of the path at least this far apart become waypoints.
constexpr int kWaypointSpacing = 6;
// The count-down takes a thirtieth of a unit for each frame played, so a second costs two
// units at 60 frames a second: a limit of T units lasts T x fps / 2 frames.
constexpr int kMaxFramesCap = 60 * 60 * 10;
// The shares of the bounds a try of the distance field gets, against 1 for a try along
// waypoints: the field finds most clears, the waypoints are a last resort.
constexpr int kFirstWeight = 4;
constexpr int kFieldWeight = 2;
// Lines of play kept after each step. The field leads well enough for a narrower beam,
// which halves the work (and the time on a busy machine) of the tries that find most clears.
constexpr std::size_t kFieldBeam = 100;
constexpr std::size_t kRouteBeam = 200;

struct Try {
    const planner::DistanceField* field;  // heads for fieldGoal by it when set
    int fieldGoal;
    std::vector<planner::Waypoint> route;
    bool power;
    int weight;
};

// Names a try for the result, and the goal its clear went through.
std::string Strategy(const Try& t, bool lowSpec, int goal) {
    std::string name = t.field != nullptr ? "distance field to goal " + std::to_string(t.fieldGoal)
                       : t.route.size() == 1 ? "straight for the goal"
                                             : "waypoints along the rough path";
    if (t.power) {
        name += ", power key";
    }
    name += "; through goal " + std::to_string(goal);
    return lowSpec ? name + " (low-spec)" : name;
}

// Standing cells along the path, spaced out, ending at the goal.
std::vector<planner::Waypoint> RouteAlong(const StageMap& map,
                                          const std::vector<std::pair<int, int>>& path) {
    std::vector<planner::Waypoint> route;
    std::pair<int, int> last = path.front();
    for (std::size_t i = 1; i + 1 < path.size(); ++i) {
        const auto [column, row] = path[i];
        const int apart = std::max(std::abs(column - last.first), std::abs(row - last.second));
        if (apart >= kWaypointSpacing && StandsOn(map, column, row)) {
            route.push_back({column * kChipSize, row * kChipSize, 16, false});
            last = path[i];
        }
    }
    const auto [goalColumn, goalRow] = path.back();
    route.push_back({goalColumn * kChipSize, goalRow * kChipSize, 16, false});
    return route;
}

struct GoalWay {
    int goal;
    std::vector<std::pair<int, int>> path;  // the generous goal search's rough path
};

// The searches to try in turn: the distance field to each goal the start can reach,
// without the power key and then with it where the key shortens the way; then straight
// for each goal, and along the rough paths' waypoints with the power key. A field that
// knows no way from the start gets no try. Each try may run until its share of the bounds
// (its weight, the first try's the largest) is used up, counted from the start, so a try
// that gives up early leaves its time to the next. The fields tried are kept in fields.
std::vector<Try> Portfolio(const StageMap& map, const planner::GameState& start,
                           const std::vector<GoalWay>& ways,
                           std::vector<std::unique_ptr<planner::DistanceField>>& fields) {
    std::vector<Try> tries;
    std::vector<int> walking(ways.size(), planner::DistanceField::kUnreachable);
    for (bool power : {false, true}) {
        for (std::size_t w = 0; w < ways.size(); ++w) {
            auto field = std::make_unique<planner::DistanceField>(start, ways[w].goal, power);
            const int distance = field->Distance(start);
            if (!power) {
                walking[w] = distance;
            }
            if (distance == planner::DistanceField::kUnreachable ||
                (power && distance == walking[w])) {
                continue;
            }
            tries.push_back({field.get(),
                             ways[w].goal,
                             {},
                             power,
                             tries.empty() ? kFirstWeight : kFieldWeight});
            fields.push_back(std::move(field));
        }
    }
    for (const GoalWay& way : ways) {
        const auto [goalColumn, goalRow] = way.path.back();
        tries.push_back(
            {nullptr, 0, {{goalColumn * kChipSize, goalRow * kChipSize, 16, false}}, false, 1});
    }
    for (const GoalWay& way : ways) {
        tries.push_back({nullptr, 0, RouteAlong(map, way.path), true, 1});
    }
    return tries;
}

}  // namespace

ClearabilityResult SearchForClear(const StageDocument& doc, const ClearabilityBounds& bounds,
                                  const std::atomic<bool>* cancel,
                                  const ClearabilityProgress& progress) {
    ClearabilityResult result;
    const GameStageText text = ReadGameStage(WriteStageText(doc.ToFields()));
    const int column = text.PlayerX / kChipSize;
    const int row = text.PlayerY / kChipSize;
    std::vector<GoalWay> ways;
    for (int goal : {1, 2}) {
        auto path = GoalPath(doc.EditMap, column, row, goal == 1 ? Chip::Goal1 : Chip::Goal2);
        if (!path.empty()) {
            ways.push_back({goal, std::move(path)});
        }
    }
    if (ways.empty()) {
        result.message = "no clear found within 0 states";
        return result;
    }
    const planner::GameState start = planner::StartOfStage(text, bounds.lowSpec);
    std::vector<std::unique_ptr<planner::DistanceField>> fields;
    const std::vector<Try> tries = Portfolio(doc.EditMap, start, ways, fields);
    int totalWeight = 0;
    for (const Try& t : tries) {
        totalWeight += t.weight;
    }
    const auto started = std::chrono::steady_clock::now();
    planner::PlanResult plan;
    std::uint64_t statesBefore = 0;
    int weightBefore = 0;
    std::size_t i = 0;
    for (; i < tries.size() && !plan.found && !plan.cancelled; ++i) {
        planner::PlanOptions options;
        options.field = tries[i].field;
        options.route = tries[i].route;
        options.power = tries[i].power;
        options.goal = 0;
        options.beam = tries[i].field != nullptr ? kFieldBeam : kRouteBeam;
        options.fps = bounds.lowSpec ? 30 : 60;
        options.maxFrames =
            std::clamp(int(text.TimeLeft * options.fps / 2) + options.fps, 60, kMaxFramesCap);
        options.reportEvery = 0;
        options.cancel = cancel;
        weightBefore += tries[i].weight;
        options.deadline =
            started + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                          bounds.time * weightBefore) /
                          totalWeight;
        const std::uint64_t stateShare =
            bounds.maxStates * std::uint64_t(weightBefore) / std::uint64_t(totalWeight);
        options.maxStates =
            bounds.maxStates == 0 ? 0 : std::max(stateShare, statesBefore + 1) - statesBefore;
        options.memoryLimit = bounds.memory;
        const int maxFrames = options.maxFrames;
        if (progress) {
            options.progress = [&progress, maxFrames, statesBefore](int frame,
                                                                    std::uint64_t states) {
                progress(frame, maxFrames, statesBefore + states);
            };
        }
        plan = planner::FindPlan(options, start);
        statesBefore += plan.states;
    }
    plan.states = statesBefore;
    result.states = plan.states;
    result.cancelled = plan.cancelled;
    if (plan.found) {
        result.found = true;
        result.clearFrame = plan.clearFrame;
        result.replay = planner::ReplayText(plan, 0);
        result.route = plan.path;
        result.strategy = Strategy(tries[i - 1], bounds.lowSpec, plan.goal);
        result.message = "クリアできます：" + std::to_string(plan.clearFrame) + " フレーム（" +
                         std::to_string(plan.states) + " 状態を調べました）";
    } else if (plan.cancelled) {
        result.message = "中止しました（" + std::to_string(plan.states) + " 状態を調べました）";
    } else {
        result.message = "no clear found within " + std::to_string(plan.states) + " states";
    }
    return result;
}

}  // namespace tarn::editor
