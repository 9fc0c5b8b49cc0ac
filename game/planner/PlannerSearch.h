// The replay planner's beam search (used by rules_replay_planner and Gridsmith's
// clearability check): it plays the frame body exactly as the main
// loop does (the same frame clock, the same time count-down) from a stage's start, tries a
// few key combinations held for some frames at a time, and keeps the lines of play that come
// closest to the next waypoint of a route, or to a goal by a distance field
// (PlannerField.h), until one reaches the wanted goal.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/core/GameState.h"

namespace tarn::planner {

using game::GameState;
using game::Player;

// The game's first key configuration, which the replays are played with.
inline constexpr int kReplayRight = 39, kReplayLeft = 37, kReplayDash = 90, kReplayJump = 38,
                     kReplayGiveUp = 8, kReplayPower = 88;

// Keys held together for a while.
struct PlannerAction {
    const char* name;
    std::vector<int> keys;
};
// Walking, dashing and jumping in both directions and standing still; with power also the
// power key alone and with the jump key.
std::vector<PlannerAction> PlannerActions(bool power);

// A point of the route in map pixels (the player's top-left corner), passed once the
// player stands within `reach` pixels of it on both axes, or, for a waypoint on a cell
// (`changes`), passed once that cell holds another chip than at the start: a block hit,
// broken or crushed. Such a waypoint is at the cell's foot.
struct Waypoint {
    int x = 0;
    int y = 0;
    int reach = 16;
    bool changes = false;
};

class DistanceField;

struct PlanOptions {
    // What the search heads for: the waypoints of a route in turn, or, when field is set,
    // the least distance to a goal in the field (the route may then be empty).
    std::vector<Waypoint> route;
    const DistanceField* field = nullptr;
    int macro = 4;           // frames each choice of keys is held
    std::size_t beam = 200;  // lines of play kept after each choice
    int goal = 1;  // the goal the plan must reach (a clear through the other fails); 0: either
    int maxFrames = 9000;
    int fps = 60;        // the frame rate of the build's shipped settings (the clock of power mode)
    bool power = false;  // also try the power key
    // Pixels of distance that a point of the game's score (and a life, as 1000 points) is
    // worth: above 0 the search also goes for coins, blocks and stomp chains.
    double pointWorth = 0;
    int reportEvery = 50;  // steps between progress lines on standard error (0: none)

    // Bounds for a search that runs on a user's behalf: it gives up when cancel turns true,
    // when the deadline passes, or after maxStates lines of play (0: no bound). The beam is
    // narrowed so the states held at once stay within memoryLimit bytes.
    const std::atomic<bool>* cancel = nullptr;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    std::uint64_t maxStates = 0;
    std::size_t memoryLimit = std::size_t(1) << 30;
    // Told after every step: the frame reached and the lines of play tried so far.
    std::function<void(int frame, std::uint64_t states)> progress;
};

struct PlanResult {
    bool found = false;
    std::vector<std::vector<int>> keysFromFrame;  // keys held from frame firstFrame + i
    int firstFrame = 2;
    int clearFrame = 0;
    int goal = 0;  // the goal the clear went through (as far as the next stage tells)
    std::string failure;
    // The player's top-left corner in map pixels at the start and after every step.
    std::vector<std::pair<int, int>> path;
    std::uint64_t states = 0;  // lines of play tried
    bool cancelled = false;
};

// The game delivers the keys of a script's frame 1 while it is still starting up, so a plan
// holds no key in frame 1 and starts choosing from frame 2.
inline constexpr int kPlanFirstFrame = 2;

// The game's bindings of the first key configuration, the player at the stage start.
void UseReplayBindings(GameState& state);

PlanResult FindPlan(const PlanOptions& options, const GameState& start);

// The frame clock of the main loop: for each frame, the clock reading while it runs and
// the time units that the second boundaries before it took off the time limit.
class PacedClock {
  public:
    explicit PacedClock(int fps, std::uint32_t start = 1000);
    // Waits for the next frame as the main loop does; returns the time units taken off.
    double NextFrame();
    std::uint32_t Now() const { return now_; }

  private:
    int fps_;
    std::uint32_t now_;
    std::uint32_t secondStart_;
    std::int32_t frameCount_ = 1;
};

}  // namespace tarn::planner
