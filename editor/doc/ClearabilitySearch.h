// The clearability check: asks the replay planner for a key script that clears the stage
// as it is being edited, within its time limit, for each goal the generous goal search
// (GoalReach.h) can reach: led by the planner's distance field, then along waypoints. The
// searches share bounds of time, states tried and memory; they can be cancelled from
// another thread and report their progress.
//
// What "none found" means: the search looks at a narrow beam of lines of play, not at
// every key sequence, so a stage it does not clear may still be clearable. A found script
// is a proof: it clears the stage under the real rules.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor/doc/StageDocument.h"

namespace tarn::editor {

struct ClearabilityBounds {
    std::chrono::seconds time{60};
    std::uint64_t maxStates = 0;  // 0: only time and memory bound the search
    std::size_t memory = std::size_t(768) << 20;
    bool lowSpec = false;  // plan for Tarn Ver2.0Low (doubled steps, 30 frames a second)
};

struct ClearabilityResult {
    bool found = false;
    bool cancelled = false;
    int clearFrame = 0;                      // the frame of the clear, counted as the replay counts
    std::string replay;                      // the replay text for --replay, when found
    std::vector<std::pair<int, int>> route;  // the player's top-left corner in map pixels
    std::uint64_t states = 0;                // lines of play tried
    std::string message;                     // UTF-8, for the panel
    std::string strategy;                    // which of the searches tried found the clear
};

// Progress: the frame reached of the most the time limit allows, and the states tried.
using ClearabilityProgress = std::function<void(int frame, int maxFrames, std::uint64_t states)>;

ClearabilityResult SearchForClear(const StageDocument& doc, const ClearabilityBounds& bounds,
                                  const std::atomic<bool>* cancel,
                                  const ClearabilityProgress& progress);

}  // namespace tarn::editor
