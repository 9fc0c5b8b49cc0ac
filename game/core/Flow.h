// The flat flow of the game: the title menu, the stage loader, the main loop and the
// outcome sequences are phases; each returns the phase that follows, and one driver
// loop runs them, so retries and stage changes never deepen the call stack. Each phase
// gets the parts of the game it works on.
#pragma once

#include <filesystem>
#include <string>

namespace tarn::game {

struct Game;
struct GameState;
struct FrameContext;
class GameClock;
class RunControl;
class Screen;
class StageLoader;
class StatusStrip;
struct StageFolders;

enum class Phase { Menu, Load, Play, Outcome, Exit };

struct Next {
    Phase phase = Phase::Exit;
    std::string stage;  // the stage to load (Phase::Load)
};

// Where a phase goes when the run ends or the title menu was asked for by a first key.
Next Interrupted(const RunControl& run);
// Where the game goes instead of the title menu (under --stage the run ends).
Next ToMenu(const RunControl& run);

// A new game, from the title menu's START or a run of one stage: five lives and the six
// bindings of the chosen key configuration. The stage loader follows.
void BeginNewGame(GameState& state, StatusStrip& strip);

Next RunMenu(GameState& state, Screen& screen, RunControl& run, StageFolders& folders,
             GameClock& clock, const std::filesystem::path& titlePicture);
Next RunLoad(const std::string& stage, FrameContext& play, Screen& screen, RunControl& run,
             const StageFolders& folders, StageLoader& loader);
Next RunMainLoop(FrameContext& play, Screen& screen, RunControl& run, GameClock& clock);
Next RunOutcome(FrameContext& play, Screen& screen, RunControl& run, GameClock& clock,
                const StageFolders& folders);

// Runs phases, starting with `next`, until the run ends; returns the exit status.
int RunFlow(Game& game, Next next);

}  // namespace tarn::game
