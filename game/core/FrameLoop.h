// The paced loop shared by the title menu and the main loop. Every turn lets pending
// events run, closes the one-second window once it has passed, and starts a frame when
// one is due; otherwise it waits until the next frame or the window's end is due.
#pragma once

#include <cstdint>
#include <optional>

#include "game/core/Flow.h"
#include "game/core/GameClock.h"
#include "game/core/GameState.h"

namespace tarn::game {

class RunControl;

// What the title menu and the main loop do in the paced loop.
class PacedPhase {
  public:
    virtual ~PacedPhase() = default;

    // The phase's one-second window: the frames started in it and the clock reading at
    // which it began.
    virtual std::int32_t& FrameCount() = 0;
    virtual std::uint32_t& SecondStart() = 0;

    // At the start of every turn, before events run.
    virtual void TurnStarted() {}
    // The window has ended; `now` is the reading that found it. The phase shows the frame
    // rate and starts the next window.
    virtual void SecondEnded(std::uint32_t now) = 0;
    // True for a phase in which nothing happens without input (the title menu): it ends
    // when no input can arrive any more and no frame limit will end the run.
    virtual bool NeedsInput() const { return false; }
    // Runs one frame that has just started; returns where the flow goes, or nothing to
    // go on with the next turn.
    virtual std::optional<Next> RunFrame() = 0;
};

// Runs turns until a frame hands over or the run is interrupted; the events go into the
// state's held keys, and the state's TargetFps paces the frames.
Next RunPaced(PacedPhase& phase, RunControl& run, GameClock& clock, GameState& state);

}  // namespace tarn::game
