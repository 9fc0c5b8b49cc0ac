// Folding the polled events into the game, and counting frames.
#include "game/core/RunControl.h"

#include "settings/VirtualKeys.h"

namespace tarn::game {

bool RunControl::Pump(GameState& state) {
    events_.clear();
    input_.Poll(framesRun + 1, events_);
    for (const InputEvent& event : events_) {
        switch (event.type) {
            case InputEvent::Type::KeyDown:
                state.keys.Press(event.code, state.bindings);
                [[fallthrough]];
            case InputEvent::Type::Click:
                if (!TitleStarted) {
                    sounds_.Sound(SoundId::op, SoundOp::Stop);
                    TitleStarted = true;
                    menuRequested = true;
                }
                break;
            case InputEvent::Type::KeyUp:
                state.keys.Release(event.code);
                if (event.code == vk::kF12) {
                    quitRequested = true;
                }
                break;
            case InputEvent::Type::Quit:
                quitRequested = true;
                break;
            case InputEvent::Type::PadDown:
            case InputEvent::Type::PadUp:
                break;  // a pad counts once it has become keys
        }
    }
    return !quitRequested && !menuRequested;
}

bool RunControl::FrameFinished(const GameState& state) {
    if (observer != nullptr && !observer->AfterFrame(framesRun, state)) {
        exitCode = 3;
        quitRequested = true;
        return false;
    }
    return !FrameLimitReached();
}

}  // namespace tarn::game
