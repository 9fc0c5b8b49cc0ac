// The paced loop.
#include "game/core/FrameLoop.h"

#include "game/core/Pacing.h"
#include "game/core/RunControl.h"

namespace tarn::game {

Next RunPaced(PacedPhase& phase, RunControl& run, GameClock& clock, GameState& state) {
    const int& targetFps = state.TargetFps;
    for (;;) {
        phase.TurnStarted();
        if (!run.Pump(state)) {
            return Interrupted(run);
        }
        if (const std::uint32_t now = clock.Clock();
            SecondBoundaryPassed(now, phase.SecondStart())) {
            phase.SecondEnded(now);
        }
        if (!FrameDue(clock.Clock(), phase.SecondStart(), targetFps, phase.FrameCount())) {
            clock.WaitUntil(NextWakeTime(phase.SecondStart(), targetFps, phase.FrameCount()));
            continue;
        }
        if (phase.NeedsInput() && !run.MayWaitForInput()) {
            return Next{Phase::Exit, {}};
        }
        ++phase.FrameCount();
        run.FrameStarted();
        if (auto next = phase.RunFrame()) {
            return *next;
        }
    }
}

}  // namespace tarn::game
