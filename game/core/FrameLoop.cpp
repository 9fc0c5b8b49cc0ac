// The paced loop.
#include "game/core/FrameLoop.h"

#include "game/core/Pacing.h"
#include "game/core/Session.h"

namespace tarn::game {

Next RunPaced(Session& s, PacedPhase& phase) {
    const int& targetFps = s.state.TargetFps;
    for (;;) {
        phase.TurnStarted();
        if (!s.Pump()) {
            return Interrupted(s);
        }
        if (const std::uint32_t now = s.Clock(); SecondBoundaryPassed(now, phase.SecondStart())) {
            phase.SecondEnded(now);
        }
        if (!FrameDue(s.Clock(), phase.SecondStart(), targetFps, phase.FrameCount())) {
            s.clock.WaitUntil(NextWakeTime(phase.SecondStart(), targetFps, phase.FrameCount()));
            continue;
        }
        if (phase.NeedsInput() && !s.frameLimit && !s.input.InputCanArrive()) {
            return Next{Phase::Exit, {}};
        }
        ++phase.FrameCount();
        s.FrameStarted();
        if (auto next = phase.RunFrame()) {
            return *next;
        }
    }
}

}  // namespace tarn::game
