// The whole run of the game behind the command line, on any platform: start-up, the
// flow of phases, and what is written at exit (state dump, screenshot).
#pragma once

#include <functional>
#include <ostream>
#include <string>

#include "game/core/CommandLine.h"
#include "game/core/Platform.h"
#include "support/ProgramPaths.h"

namespace tarn::game {

struct Game;

struct ProgramInfo {
    bool lowSpec = false;
};

// Runs the game on the platform with the front end's live input (the window's keys),
// reading its files from `paths` (the program folder and, in an install, the user's);
// --replay and --record put a replay or a recording between that input and the game.
// Returns the exit status (0 normal end, 1 a missing or unreadable file, 3 a replay that
// diverged). `prepare` may adjust the game before the first phase; `finish` sees it once
// the run has ended.
int RunGame(const Options& options, const ProgramPaths& paths, Platform& platform,
            InputSource& liveInput, const ProgramInfo& program, std::ostream& out,
            const std::function<void(Game&)>& prepare = {},
            const std::function<void(Game&)>& finish = {});

}  // namespace tarn::game
