// The driver loop of the phases.
#include "game/core/Flow.h"

#include "game/core/Game.h"

namespace tarn::game {

Next Interrupted(const RunControl& run) {
    if (run.quitRequested) {
        return Next{Phase::Exit, {}};
    }
    return ToMenu(run);
}

Next ToMenu(const RunControl& run) {
    return run.stageMode ? Next{Phase::Exit, {}} : Next{Phase::Menu, {}};
}

void BeginNewGame(GameState& st, StatusStrip& strip) {
    st.counters.Lives = 5;
    strip.SetLives(st.counters.Lives);
    const auto& slots = st.KeyTable[std::size_t(st.ConfigNo)];
    st.bindings = KeyBindings{slots[kSlotRight], slots[kSlotLeft],   slots[kSlotDash],
                              slots[kSlotJump],  slots[kSlotGiveUp], slots[kSlotPower]};
}

Next RunLoad(const std::string& stage, FrameContext& play, Screen& screen, RunControl& run,
             const StageFolders& folders, StageLoader& loader) {
    if (const Failure failure = loader.ReadData(stage, stage, play, screen, run, folders)) {
        screen.ShowMessage(*failure);
        if (run.stageMode) {
            run.exitCode = 1;
            return Next{Phase::Exit, {}};
        }
        return Next{Phase::Menu, {}};
    }
    if (run.stopAfterFirstLoad || run.quitRequested) {
        return Next{Phase::Exit, {}};
    }
    if (run.menuRequested) {
        return Interrupted(run);
    }
    return Next{Phase::Play, {}};
}

int RunFlow(Game& game, Next next) {
    while (next.phase != Phase::Exit) {
        if (game.run.phaseProbe) {
            game.run.phaseProbe();
        }
        switch (next.phase) {
            case Phase::Menu:
                next = RunMenu(game.state, game.screen, game.run, game.folders, game.clock,
                               game.root / "bg.jpg");
                break;
            case Phase::Load:
                next = RunLoad(next.stage, game.play, game.screen, game.run, game.folders,
                               game.loader);
                break;
            case Phase::Play:
                next = RunMainLoop(game.play, game.screen, game.run, game.clock);
                break;
            case Phase::Outcome:
                next = RunOutcome(game.play, game.screen, game.run, game.clock, game.folders);
                break;
            case Phase::Exit:
                break;
        }
    }
    return game.run.exitCode;
}

}  // namespace tarn::game
