// Moving objects: activity window, movement, bouncing off the map, wrapping, walking
// enemies turning, falling and landing; then contact with the player, and drawing.
#include <algorithm>
#include <cstdlib>

#include "assets/BuiltinArt.h"
#include "game/core/RuleHelpers.h"
#include "game/core/ViewGeometry.h"
#include "support/HEXRNDData.h"

namespace tarn::game {

using detail::Column;
using detail::Row;

namespace {

using Kind = ObjectKind;

// Objects this far outside the view still move.
constexpr int kActiveMargin = 100;
// Vertical lifts that rise above the map's first row reappear three rows above its bottom;
// lifts and spikes that sink into its last two rows reappear two rows below its top.
constexpr int kLiftWrapTop = kChipSize;
constexpr int kLiftReappearY = kMapHeight - 3 * kChipSize;
constexpr int kWrapBottom = kMapHeight - 2 * kChipSize;
constexpr int kWrapReappearY = 2 * kChipSize;

bool IsActive(const LoopState& loop, Kind kind, int x, int y) {
    if (kind == Kind::HorizontalLift || kind == Kind::VerticalLift) {
        return true;  // lifts always run
    }
    return loop.ViewX - kActiveMargin <= x && x <= loop.ViewX + kViewSpanX + kActiveMargin &&
           loop.ViewY - kActiveMargin <= y && y <= loop.ViewY + kViewSpanY + kActiveMargin;
}

void Bounce(const Stage& stage, Kind kind, int x, int y, std::int32_t& dx, std::int32_t& dy) {
    const int c = Column(x);
    const int r = Row(y);
    switch (kind) {
        case Kind::HorizontalLift:
        case Kind::VerticalLift:
        case Kind::HorizontalSpike:
        case Kind::VerticalSpike:
        case Kind::HorizontalEnemy:
        case Kind::VerticalEnemy:
        case Kind::WalkingEnemy:
            if (stage.Solid(c + 1, r) || stage.Solid(c, r)) {
                dx = -dx;
            }
            if (stage.Solid(c, r + 1) || stage.Solid(c, r)) {
                dy = -dy;
            }
            break;
        case Kind::DiagonalEnemy: {
            // The diagonal enemy looks one step ahead on both axes.
            int a = std::abs(dx);
            const int b = std::abs(dy);
            const bool horizontalFree = stage.Passable(Column(x - a), Row(y)) &&
                                        stage.Passable(Column(x + 16), Row(y)) &&
                                        stage.Passable(Column(x - a), Row(y - b + 16)) &&
                                        stage.Passable(Column(x + 16), Row(y - b + 16));
            if (!horizontalFree) {
                dx = -dx;
            }
            a = std::abs(dx);
            const bool verticalFree = stage.Passable(Column(x - a + 16), Row(y - b)) &&
                                      stage.Passable(Column(x), Row(y)) &&
                                      stage.Passable(Column(x - a + 16), Row(y + 16)) &&
                                      stage.Passable(Column(x), Row(y + 16));
            if (!verticalFree) {
                dy = -dy;
            }
            break;
        }
        default:
            break;  // defeated, walking-at-edges and falling kinds do not bounce here
    }
}

// Steps after the erase: loss below the map, edge turning, falling and landing.
void ChangeKind(GameState& s, std::size_t i) {
    Stage& stage = s.stage;
    std::int32_t& x = stage.ObjX[i];
    std::int32_t& y = stage.ObjY[i];
    Kind& kind = stage.ObjKind[i];
    std::int32_t& dx = stage.ObjDX[i];
    std::int32_t& dy = stage.ObjDY[i];

    if (Row(y + 15) >= kMapRows) {  // lost below the map
        x = 0;
        y = 0;
        dx = 0;
        dy = 0;
        kind = Kind::Defeated;
        s.player.JumpArmed = -1;
    }
    const int c = Column(x);
    const int r = Row(y);
    if (kind == Kind::TurningWalkingEnemy) {
        const int feet = Row(y + 15) + 1;
        const bool keepGoing = stage.Passable(c + 1, r) && stage.Passable(c, r) &&
                               stage.Solid(Column(x + 16), feet) &&
                               stage.Solid(Column(x - 14) + 1, feet);
        if (!keepGoing) {
            dx = -dx;
        }
        if (stage.Solid(c, r + 1) || stage.Solid(c, r)) {
            dy = -dy;
        }
    }
    if (kind == Kind::WalkingEnemy || kind == Kind::TurningWalkingEnemy) {
        const int feet = Row(y + 15) + 1;
        if (stage.Passable(Column(x), feet) && stage.Passable(Column(x + 15), feet)) {
            kind = kind == Kind::WalkingEnemy ? Kind::WalkingEnemyFalling
                                              : Kind::TurningWalkingEnemyFalling;
            dy = -s.Step(2);
        }
    }
    if (kind == Kind::WalkingEnemyFalling || kind == Kind::TurningWalkingEnemyFalling) {
        const int below = Row(y) + 1;
        if (!(stage.Passable(Column(x + 15), below) && stage.Passable(Column(x), below))) {
            kind =
                kind == Kind::WalkingEnemyFalling ? Kind::WalkingEnemy : Kind::TurningWalkingEnemy;
            dy = 0;
        }
    }
}

}  // namespace

void UpdateObjects(FrameContext& frame) {
    GameState& s = frame.state;
    Stage& stage = s.stage;
    const auto count = std::size_t(std::max(stage.ObjCount, 0));
    const std::size_t usable =
        std::min({count, stage.ObjKind.size(), stage.ObjX.size(), stage.ObjY.size(),
                  stage.ObjDX.size(), stage.ObjDY.size(), stage.ObjActive.size()});
    for (std::size_t i = 0; i < usable; ++i) {
        std::int32_t& x = stage.ObjX[i];
        std::int32_t& y = stage.ObjY[i];
        std::int32_t& dx = stage.ObjDX[i];
        std::int32_t& dy = stage.ObjDY[i];
        const Kind kind = stage.ObjKind[i];

        const bool active = IsActive(s.loop, kind, x, y);
        stage.ObjActive[i] = active ? -1 : 0;
        if (!active) {
            continue;
        }
        if (kind != Kind::WalkingEnemyFalling && kind != Kind::TurningWalkingEnemyFalling) {
            x -= dx;
        }
        y -= dy;
        if (x == 0) {
            dx = -dx;
        }
        if (y == 0 && kind != Kind::VerticalLift) {
            dy = -dy;
        }
        if (kind == Kind::VerticalLift && y < kLiftWrapTop) {
            BitBlt(frame.layers.PBuffer, x, y, 16, 16, frame.layers.BackPIC, x, y);
            y = kLiftReappearY;
        }
        if ((kind == Kind::VerticalLift || kind == Kind::VerticalSpike) && y > kWrapBottom) {
            y = kWrapReappearY;
        }
        Bounce(stage, kind, x, y, dx, dy);
        RestoreKeptArea(frame.layers, x - 32, y - 32, 80, 80);
        ChangeKind(s, i);
        detail::ObjectContact(frame, i);
        if (s.loop.outcome != Outcome::None) {
            return;
        }
    }
}

void DrawObjects(FrameContext& frame) {
    const Stage& stage = frame.state.stage;
    const auto count = std::size_t(std::max(stage.ObjCount, 0));
    const std::size_t usable =
        std::min({count, stage.ObjKind.size(), stage.ObjX.size(), stage.ObjY.size()});
    for (std::size_t i = 0; i < usable; ++i) {
        const auto kind = std::size_t(stage.ObjKind[i]);
        if (kind >= frame.art.TPic.size() ||
            !frame.layers.kept.Needs({stage.ObjX[i], stage.ObjY[i], 16, 16})) {
            continue;
        }
        HEXRNDData::MaskBilt(frame.layers.PBuffer, frame.art.TPic[kind], frame.art.TMask[kind], 16,
                             16, stage.ObjX[i], stage.ObjY[i], 0, 0);
    }
}

}  // namespace tarn::game
