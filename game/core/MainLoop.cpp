// The main loop `MO`: one life on one loaded stage, frame by frame at the target rate,
// until a goal is reached or the life is lost.
#include "assets/BuiltinArt.h"
#include "game/core/Flow.h"
#include "game/core/Pacing.h"
#include "game/core/Session.h"
#include "settings/VirtualKeys.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

namespace {

constexpr int kMapComposeWidth = kMapWidth + kChipSize;    // 3216
constexpr int kMapComposeHeight = kMapHeight + kChipSize;  // 976

// Puts the whole map onto PBuffer: MainV through MainMask, 3216 x 976 at (0, 0). Right
// after a load, MainV is black and MainMask white wherever the loader drew no chip, so
// only the drawn cells change anything.
void ComposeMap(Session& s) {
    const Stage& st = s.state.stage;
    for (int row = 0; row < kMapComposeHeight / 16; ++row) {
        for (int col = 0; col < kMapComposeWidth / 16; ++col) {
            const std::int32_t code = st.Chip(col, row);
            if (code > 0 && code < std::int32_t(s.art.BrTip.size())) {
                HEXRNDData::MaskBilt(s.layers.PBuffer, s.layers.MainV, s.layers.MainMask, 16, 16,
                                     col * 16, row * 16, col * 16, row * 16);
            }
        }
    }
}

void StartLoop(Session& s) {
    GameState& st = s.state;
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
    s.LivesChanged(st.counters.Lives);
    st.loop.SecondStart = s.Clock();
    st.loop.FrameCount = 1;
    ComposeMap(s);
    s.Sound(SoundId::bgn, SoundOp::Rewind);
    s.Sound(SoundId::bgn, SoundOp::PlayLooping);
}

void SecondBoundary(Session& s) {
    GameState& st = s.state;
    st.TargetFps = FpsKey(st.keys, st.TargetFps);
    s.status.State =
        "FPS " + std::to_string(st.loop.FrameCount) + "/" + std::to_string(st.TargetFps);
    st.counters.TimeLeft -= double(st.loop.FrameCount) / 30.0;
    st.loop.FrameCount = 0;
    st.loop.SecondStart = s.Clock();
    s.status.NTime = TimeText(st.counters.TimeLeft);
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

// Waits for Space to be released and then Enter; a headless run has nobody to press them.
// Returns false when the run is to end meanwhile.
bool Pause(Session& s) {
    s.SetPrintPosition(0, 100);
    s.Print("");
    s.Print("");
    s.Print("           Pause");
    s.view.FontSize = kPauseHintFontPoints;
    s.Print("");
    s.Print("                                  Press Enter To Restart");
    s.view.FontSize = kViewFontPoints;
    s.Refresh();
    const bool scripted = s.observer != nullptr && s.observer->ScriptedInput();
    if (s.platform.Headless() && !scripted) {
        return true;
    }
    bool spaceReleased = false;
    for (;;) {
        if (scripted && !s.observer->InputPendingThisFrame()) {
            return true;  // the script will not press Enter within this frame
        }
        if (!s.Pump()) {
            return false;
        }
        if (!s.state.keys.Held(vk::kSpace)) {
            spaceReleased = true;
        }
        if (spaceReleased && s.state.keys.Held(vk::kReturn)) {
            return true;
        }
        s.platform.WaitUntil(s.Clock() + 5);
    }
}

}  // namespace

Next RunMainLoop(Session& s) {
    StartLoop(s);
    GameState& st = s.state;
    FrameContext frame = s.Frame();
    for (;;) {
        if (!s.Pump()) {
            return Interrupted(s);
        }
        if (SecondBoundaryPassed(s.Clock(), st.loop.SecondStart)) {
            SecondBoundary(s);
        }
        if (!FrameDue(s.Clock(), st.loop.SecondStart, st.TargetFps, st.loop.FrameCount)) {
            s.platform.WaitUntil(
                NextWakeTime(st.loop.SecondStart, st.TargetFps, st.loop.FrameCount));
            continue;
        }
        st.loop.FrameCount += 1;
        s.FrameStarted();
        RunFrameBody(frame);
        if (st.counters.TimeLeft > 0) {
            s.status.CoV = std::to_string(st.counters.Coins);
        }
        if (st.loop.outcome == Outcome::None) {
            if (PauseKeyHeld(st) && !Pause(s)) {
                return Interrupted(s);
            }
            if (!st.keys.Held(vk::kF11)) {
                s.PresentView();
            } else {
                st.counters.Lives = 0;
                st.loop.outcome = Outcome::Dead;
            }
        }
        if (!s.FrameFinished()) {
            return Next{Phase::Exit, {}};
        }
        if (st.loop.outcome != Outcome::None) {
            return Next{Phase::Outcome, {}};
        }
    }
}

}  // namespace tarn::game
