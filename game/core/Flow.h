// The flat flow of the game: the title menu, the stage loader, the main loop and the
// outcome sequences are phases; each returns the phase that follows, and one driver
// loop runs them, so retries and stage changes never deepen the call stack.
#pragma once

#include <string>

namespace tarn::game {

class Session;

enum class Phase { Menu, Load, Play, Outcome, Exit };

struct Next {
    Phase phase = Phase::Exit;
    std::string stage;  // the stage to load (Phase::Load)
};

// Where a phase goes when the run ends or the title menu was asked for by a first key.
Next Interrupted(const Session& session);
// Where the game goes instead of the title menu (under --stage the run ends).
Next ToMenu(const Session& session);

Next RunMenu(Session& session);
Next RunLoad(Session& session, const std::string& stage);
Next RunMainLoop(Session& session);
Next RunOutcome(Session& session);

// Runs phases, starting with `next`, until the run ends; returns the exit status.
int RunFlow(Session& session, Next next);

}  // namespace tarn::game
