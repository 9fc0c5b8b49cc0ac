// The frame body in the main loop's order, for callers that run frames without a screen
// of their own and for the main loop itself.
#include "game/core/Rules.h"

namespace tarn::game {

void RunFrameBody(FrameContext& frame) {
    const auto ended = [&] { return frame.state.loop.outcome != Outcome::None; };
    ArmJump(frame);
    ErasePlayer(frame);
    UpdateObjects(frame);
    if (ended()) {
        return;
    }
    DrawObjects(frame);
    CrushBlocks(frame);
    TestRowBelow(frame);
    if (ended()) {
        return;
    }
    TestOwnRow(frame);
    if (ended()) {
        return;
    }
    HurryUpSwitch(frame);
    if (TestTimeUp(frame)) {
        return;
    }
    CoinsToLife(frame);
    TestGiveUp(frame);
    if (ended()) {
        return;
    }
    GroundAndGravity(frame);
    if (ended()) {
        return;
    }
    JumpAndCeiling(frame);
    MoveAndDrawPlayer(frame);
    UpdateView(frame);
}

}  // namespace tarn::game
