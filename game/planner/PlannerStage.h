// What the planner needs around its search: the state play starts in for a stage text,
// as the game loads it, and the replay text of a plan, which the game plays back with
// --replay.
#pragma once

#include <string>

#include "game/planner/PlannerSearch.h"
#include "support/StageText.h"

namespace tarn::planner {

// The state at the stage's start: maps and objects filled as the loader fills them, the
// player at the start cell, the time limit, the next stages, the replay key bindings.
GameState StartOfStage(const GameStageText& text, bool lowSpec);

// "FRAME KEY..." lines from frame 1, a line only where the keys change, after two comment
// lines: the goal (0: whichever was reached) and ("# clears at frame N") the frame of the
// clear.
std::string ReplayText(const PlanResult& plan, int goal);

}  // namespace tarn::planner
