// The main loop `MO`: one life on one loaded stage, frame by frame at the target rate,
// until a goal is reached or the life is lost.
#include <optional>

#include "game/core/Flow.h"
#include "game/core/FrameLoop.h"
#include "game/core/Pacing.h"
#include "game/core/Rules.h"
#include "game/core/RunControl.h"
#include "game/core/Screen.h"
#include "settings/VirtualKeys.h"

namespace tarn::game {

namespace {

void StartLoop(FrameContext& play, StatusStrip& strip) {
    GameState& st = play.state;
    st.loop = LoopState{};
    Player& p = st.player;
    p.PlayerFrame = 2;
    p.RunSpeed = 1;
    p.JumpArmed = -1;
    p.JumpPower = 0;
    p.JumpFrame = 0;
    p.PowerUntil = 0;
    p.OnLift = 0;
    st.loop.StompChain = 1;
    strip.SetLives(st.counters.Lives);
    st.loop.SecondStart = play.services.Clock();
    st.loop.FrameCount = 1;
    play.services.Sound(SoundId::bgn, SoundOp::Rewind);
    play.services.Sound(SoundId::bgn, SoundOp::PlayLooping);
}

void SecondBoundary(GameState& st, StatusStrip& strip, GameClock& clock) {
    st.TargetFps = FpsKey(st.keys, st.TargetFps);
    strip.SetFrameRate(st.loop.FrameCount, st.TargetFps);
    st.counters.TimeLeft -= double(st.loop.FrameCount) / 30.0;
    st.loop.FrameCount = 0;
    st.loop.SecondStart = clock.Clock();
    strip.SetTimeLeft(st.counters.TimeLeft);
}

// Space is the fixed pause key, unless the player has bound it to one of the six actions:
// then it does what the binding says (a jump on Space would otherwise freeze every jump).
bool PauseKeyHeld(const GameState& st) {
    const KeyBindings& b = st.bindings;
    for (const int code : {b.KeyRight, b.KeyLeft, b.KeyDash, b.KeyJump, b.KeyGiveUp, b.KeyPower}) {
        if (code == vk::kSpace) {
            return false;
        }
    }
    return st.keys.Held(vk::kSpace);
}

// Waits for Space to be released and then Enter, for as long as input can arrive within
// the frame, looking at the keys once a frame period. Returns false when the run is to end
// meanwhile.
bool WaitForEnter(GameState& st, RunControl& run, GameClock& clock) {
    const auto framePeriod = std::uint32_t(1000 / PacingFps(st.TargetFps));
    bool spaceReleased = false;
    for (;;) {
        if (run.NoInputDueThisFrame()) {
            return true;  // nothing will press Enter within this frame
        }
        if (!run.Pump(st)) {
            return false;
        }
        if (!st.keys.Held(vk::kSpace)) {
            spaceReleased = true;
        }
        if (spaceReleased && st.keys.Held(vk::kReturn)) {
            return true;
        }
        clock.WaitUntil(clock.Clock() + framePeriod);
    }
}

// Shows the pause texts; a gamepad's Start stands for Enter while they are shown.
bool Pause(GameState& st, Screen& screen, RunControl& run, GameClock& clock) {
    screen.SetPrintPosition(0, 100);
    screen.Print("");
    screen.Print("");
    screen.Print("           Pause");
    screen.view.FontSize = kPauseHintFontPoints;
    screen.Print("");
    screen.Print("                                  Press Enter To Restart");
    screen.view.FontSize = kViewFontPoints;
    screen.Refresh();
    run.mode = InputMode::Pause;
    const bool goOn = WaitForEnter(st, run, clock);
    run.mode = InputMode::Play;
    return goOn;
}

class Play : public PacedPhase {
  public:
    Play(FrameContext& play, Screen& screen, RunControl& run, GameClock& clock)
        : play_(play), screen_(screen), run_(run), clock_(clock) {}

    std::int32_t& FrameCount() override { return play_.state.loop.FrameCount; }
    std::uint32_t& SecondStart() override { return play_.state.loop.SecondStart; }

    // The window restarts from a reading of its own, taken after the time has run down.
    void SecondEnded(std::uint32_t) override { SecondBoundary(play_.state, screen_.strip, clock_); }

    std::optional<Next> RunFrame() override {
        GameState& st = play_.state;
        RunFrameBody(play_);
        // The lives label follows every change the frame made.
        screen_.strip.SetLives(st.counters.Lives);
        if (st.counters.TimeLeft > 0) {
            screen_.strip.SetCoins(st.counters.Coins);
        }
        if (st.loop.outcome == Outcome::None) {
            if (PauseKeyHeld(st) && !Pause(st, screen_, run_, clock_)) {
                return Interrupted(run_);
            }
            if (!st.keys.Held(vk::kF11)) {
                screen_.PresentView(play_.layers, st);
            } else {
                st.counters.Lives = 0;
                st.loop.outcome = Outcome::Dead;
            }
        }
        if (!run_.FrameFinished(st)) {
            return Next{Phase::Exit, {}};
        }
        if (st.loop.outcome != Outcome::None) {
            return Next{Phase::Outcome, {}};
        }
        return std::nullopt;
    }

  private:
    FrameContext& play_;
    Screen& screen_;
    RunControl& run_;
    GameClock& clock_;
};

}  // namespace

Next RunMainLoop(FrameContext& play, Screen& screen, RunControl& run, GameClock& clock) {
    StartLoop(play, screen.strip);
    run.mode = InputMode::Play;
    Play phase(play, screen, run, clock);
    return RunPaced(phase, run, clock, play.state);
}

}  // namespace tarn::game
