// The player's movement: jump arming, gravity, the jump with its ceiling test, dash,
// power key, walking, the animation cycle and drawing the figure.
#include <algorithm>
#include <cstdint>

#include "assets/BuiltinArt.h"
#include "game/core/RuleHelpers.h"
#include "game/core/ViewGeometry.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

using detail::Column;
using detail::Row;

void ArmJump(FrameContext& frame) {
    GameState& s = frame.state;
    if (!s.keys.Held(s.bindings.KeyJump)) {
        s.player.JumpArmed = -1;
    }
}

void ErasePlayer(FrameContext& frame) {
    const Player& p = frame.state.player;
    RestoreArea(frame.layers, p.PlayerX - 32, p.PlayerY - 32, 80, 80);
}

void GroundAndGravity(FrameContext& frame) {
    GameState& s = frame.state;
    Player& p = s.player;
    const int below = Row(p.PlayerY + 16);
    const bool onSolid =
        s.stage.Solid(Column(p.PlayerX), below) || s.stage.Solid(Column(p.PlayerX + 14), below);
    if (onSolid || p.JumpState > 0 || p.OnLift != 0) {
        p.JumpState = 0;
        if (onSolid) {
            p.JumpPower = 1;
            s.loop.StompChain = 0;
        }
    } else {
        // No acceleration: the short step only brings PlayerY back onto the fall grid.
        p.PlayerY += p.PlayerY % s.Step(4) == 0 ? s.Step(4) : s.Step(2);
        p.JumpState = -1;
        p.JumpFrame = 0;
        p.JumpArmed = 0;
    }
    if (p.PlayerY > kMapHeight - kChipSize) {  // fell below the map's last row
        s.loop.outcome = Outcome::Dead;
    }
}

void JumpAndCeiling(FrameContext& frame) {
    GameState& s = frame.state;
    Player& p = s.player;
    const bool jumpHeld = s.keys.Held(s.bindings.KeyJump);
    // A player who started falling this frame has JumpArmed 0 already.
    if (jumpHeld && p.JumpArmed == -1) {
        if (p.JumpFrame == 0) {
            detail::RestartSound(frame.services, SoundId::jump01);
        }
        const int power = p.JumpPower;
        const int unit = s.lowSpec ? 1 : 2;  // thresholds 18/22/26 x power, halved low-spec
        if (p.JumpFrame < 9 * unit * power) {
            p.PlayerY -= s.Step(4);
        } else if (p.JumpFrame < 11 * unit * power) {
            p.PlayerY -= s.Step(2);
        } else {
            p.PlayerY += s.Step(2);
        }
        p.JumpState = 3;
        p.JumpFrame += 1;
        if (p.JumpFrame >= 13 * unit * power || p.PlayerY <= 0) {
            p.JumpState = -1;
            p.JumpArmed = 0;
        }
        const int top = Row(p.PlayerY);
        const int left = Column(p.PlayerX);
        const int right = Column(p.PlayerX + 14);
        const auto hidden = [&](int column) {
            return s.stage.Holds(column, top, Chip::HiddenBlock) ||
                   s.stage.Holds(column, top, Chip::HiddenExtraLifeBlock);
        };
        const bool clear = s.stage.Passable(left, top) && s.stage.Passable(right, top) &&
                           !hidden(left) && !hidden(right);
        if (!clear) {
            detail::HeadHit(frame);
            p.JumpArmed = 0;
            p.JumpState = -1;
        }
    }
    // Releasing the key ends the rise at once.
    if (!jumpHeld && p.JumpState != 0) {
        p.JumpState = -1;
    }
}

namespace {

void MoveHorizontally(GameState& s) {
    Player& p = s.player;
    const int dx = p.RunSpeed * s.Step(2);
    const bool inAir = p.JumpState != 0;
    const auto open = [&](int column) {
        if (inAir) {
            return s.stage.Passable(column, Row(p.PlayerY)) &&
                   s.stage.Passable(column, Row(p.PlayerY) + 1);
        }
        return s.stage.Passable(column, Row(p.PlayerY + 14));
    };

    bool movedLeft = false;
    if (s.keys.Held(s.bindings.KeyLeft) && p.PlayerX > 0) {
        const int newX = p.PlayerX - dx;
        if (open(Column(newX))) {
            p.PlayerX = newX;
            p.PlayerFrame -= 1;
            movedLeft = true;
        }
    }
    if (!movedLeft && s.keys.Held(s.bindings.KeyRight)) {
        const int bound = inAir ? kMapWidth - 2 * p.RunSpeed : kMapWidth - kChipSize;
        if (p.PlayerX < bound && open(Column(p.PlayerX + 16))) {
            p.PlayerX += dx;
            p.PlayerFrame += 1;
        }
    }
    if (p.PlayerFrame >= 8) {
        p.PlayerFrame = 0;
    } else if (p.PlayerFrame < 0) {
        p.PlayerFrame = 7;
    }
}

void DrawPlayer(FrameContext& frame) {
    const Player& p = frame.state.player;
    if (const Surface* figure = detail::PlayerFigure(frame)) {
        HEXRNDData::MaskBilt(frame.layers.PBuffer, *figure, frame.art.MyMask, 16, 16, p.PlayerX,
                             p.PlayerY, 0, 0);
    }
}

}  // namespace

const Surface* detail::PlayerFigure(const FrameContext& frame) {
    const Player& p = frame.state.player;
    if (frame.playerPictures == nullptr) {
        return nullptr;
    }
    const PlayerPictures& pictures = *frame.playerPictures;
    const int index = p.PlayerFrame >= 0 && p.PlayerFrame < 8 ? p.PlayerFrame : 0;
    return p.PowerUntil < 1 ? &pictures.MyPic[std::size_t(index)] : &pictures.MyPicAt;
}

void MoveAndDrawPlayer(FrameContext& frame) {
    GameState& s = frame.state;
    Player& p = s.player;
    const bool dashOnGrid = p.PlayerX % s.Step(4) == 0;
    p.RunSpeed = s.keys.Held(s.bindings.KeyDash) && dashOnGrid ? 2 : 1;

    if (s.keys.Held(s.bindings.KeyPower)) {
        const std::int64_t now = frame.services.Clock();
        if (p.PowerUntil == 0) {
            p.PowerUntil = std::int32_t(now + 1500);
        } else if (p.PowerUntil < now) {
            p.PowerUntil = -1;
        }
    } else {
        p.PowerUntil = 0;
        MoveHorizontally(s);
    }
    DrawPlayer(frame);
}

void UpdateView(FrameContext& frame) {
    const Player& p = frame.state.player;
    LoopState& loop = frame.state.loop;
    loop.ViewX = std::clamp(p.PlayerX - kViewFollowX, 0, kViewLimitX);
    loop.ViewY = std::clamp(p.PlayerY - kViewFollowY, 0, kViewLimitY);
    detail::FollowView(frame);
}

void TestGiveUp(FrameContext& frame) {
    GameState& s = frame.state;
    if (s.keys.Held(s.bindings.KeyGiveUp)) {
        s.loop.outcome = Outcome::Dead;
    }
}

}  // namespace tarn::game
