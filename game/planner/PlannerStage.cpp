// Setting up a search from a stage text and writing what it found.
#include "game/planner/PlannerStage.h"

#include <sstream>

#include "game/core/StageMaps.h"

namespace tarn::planner {

GameState StartOfStage(const GameStageText& text, bool lowSpec) {
    GameState start;
    start.lowSpec = lowSpec;
    UseReplayBindings(start);
    game::FillMaps(start, text.rows);
    start.stage.NextStage = text.NextStage;
    start.stage.NextStage2 = text.NextStage2;
    start.player.PlayerX = text.PlayerX;
    start.player.PlayerY = text.PlayerY;
    start.counters.TimeLeft = text.TimeLeft;
    return start;
}

std::string ReplayText(const PlanResult& plan, int goal) {
    std::ostringstream out;
    if (goal == 0) {
        out << "# Clears the stage.\n";
    } else {
        out << "# Clears the stage through goal " << goal << ".\n";
    }
    out << "# clears at frame " << plan.clearFrame << "\n";
    const std::vector<int>* last = nullptr;
    for (std::size_t i = 0; i < plan.keysFromFrame.size(); ++i) {
        const std::vector<int>& keys = plan.keysFromFrame[i];
        if (last != nullptr && keys == *last) {
            continue;
        }
        last = &keys;
        out << plan.firstFrame + int(i);
        for (int key : keys) {
            out << ' ' << key;
        }
        out << '\n';
    }
    return out.str();
}

}  // namespace tarn::planner
