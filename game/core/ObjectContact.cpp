// An object meeting the player: lifts carrying it, deadly objects, and enemies that are
// stomped for the score chain, defeated in power mode, or kill on touch.
#include <string>

#include "game/core/RuleHelpers.h"

namespace tarn::game::detail {

namespace {

void Defeat(FrameContext& frame, std::size_t i) {
    GameState& s = frame.state;
    s.player.JumpArmed = -1;
    s.player.JumpState = 5;
    s.stage.ObjDX[i] = 0;
    s.stage.ObjDY[i] = 0;
    s.stage.ObjKind[i] = ObjectKind::Defeated;
    RestartSound(frame.services, SoundId::tded);
}

// 100, 200, 400, 800, 1600, 3200 while the player stays off the ground, then a life each.
std::string ScoreStomp(FrameContext& frame) {
    GameState& s = frame.state;
    std::int32_t& chain = s.loop.StompChain;
    if (chain == 0) {
        chain = 1;
        s.counters.Score += 100;
        return "100";
    }
    if (chain <= 16) {
        const std::int32_t amount = chain * 200;
        s.counters.Score += amount;
        chain *= 2;
        return " " + std::to_string(amount);
    }
    s.counters.Lives += 1;
    frame.services.Sound(SoundId::oneUp, SoundOp::Play);
    return "1UP!";
}

}  // namespace

void ObjectContact(FrameContext& frame, std::size_t i) {
    GameState& s = frame.state;
    Stage& stage = s.stage;
    Player& p = s.player;
    const int x = stage.ObjX[i];
    const int y = stage.ObjY[i];
    const ObjectKind kind = stage.ObjKind[i];
    const bool alongside = x - 14 < p.PlayerX && p.PlayerX < x + 14;
    const bool overlapping = p.PlayerY < y + 16 && y < p.PlayerY + 16 && alongside;

    if (kind == ObjectKind::HorizontalLift) {
        const int row = Row(p.PlayerY);
        if (p.PlayerY + 16 == y && alongside && stage.Passable(Column(p.PlayerX), row) &&
            stage.Passable(Column(p.PlayerX) + 1, row)) {
            p.JumpArmed = -1;
            p.JumpState = 5;
            p.JumpPower = 1;
            s.loop.StompChain = 0;
            p.PlayerX -= stage.ObjDX[i];
        }
    } else if (kind == ObjectKind::VerticalLift) {
        if (p.PlayerY + 8 <= y && y <= p.PlayerY + 16 && alongside) {
            p.JumpArmed = -1;
            p.JumpState = 5;
            p.PlayerY = y - 16;
            p.JumpPower = 1;
            s.loop.StompChain = 0;
            p.OnLift = -1;
        } else {
            p.OnLift = 0;
        }
        if (stage.Solid(Column(x), Row(y) + 2) || stage.Solid(Column(x), Row(y) - 1)) {
            stage.ObjDY[i] = -stage.ObjDY[i];
        }
    } else if (kind == ObjectKind::HorizontalSpike || kind == ObjectKind::VerticalSpike ||
               kind == ObjectKind::DiagonalEnemy) {
        if (overlapping && p.PowerUntil < 1) {
            s.loop.outcome = Outcome::Dead;
        }
    } else if (kind >= ObjectKind::HorizontalEnemy &&
               kind <= ObjectKind::TurningWalkingEnemyFalling) {  // enemies that can be defeated
        if (alongside && p.PlayerY + 12 <= y && y <= p.PlayerY + 16) {
            Defeat(frame, i);
            p.JumpPower = 2;
            const std::string text = ScoreStomp(frame);
            frame.services.PrintOnPBuffer(x, y, text);
        } else if (overlapping) {
            if (p.PowerUntil < 1) {
                s.loop.outcome = Outcome::Dead;
                return;
            }
            Defeat(frame, i);
            s.counters.Score += 400;
            frame.services.PrintOnPBuffer(x, y, "400");
        }
    }
}

}  // namespace tarn::game::detail
