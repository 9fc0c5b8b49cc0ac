// What touching static map cells does: head hits on blocks, crushing in power mode,
// items, goals and spikes in the row below the player and in its own row.
#include <array>
#include <cstdint>

#include "game/core/RuleHelpers.h"

namespace tarn::game {

using detail::Column;
using detail::Row;

namespace detail {

void ChangeCell(FrameContext& frame, int column, int row, Chip chip) {
    if (column < 0 || column >= kMapColumns || row < 0 || row >= kMapRows) {
        return;
    }
    frame.state.stage.SetChip(column, row, Code(chip));
    RedrawCell(frame.layers, frame.art, column, row, Code(chip));
    // PBuffer shows the old cell until a repair reaches it.
    frame.layers.kept.Pin({column * kChipSize, row * kChipSize, kChipSize, kChipSize});
}

void HeadHit(FrameContext& frame) {
    GameState& s = frame.state;
    Stage& stage = s.stage;
    const Player& p = s.player;
    const int row = Row(p.PlayerY);
    const std::array<int, 2> columns = {Column(p.PlayerX), Column(p.PlayerX + 14)};

    for (int column : columns) {
        if (stage.Holds(column, row, Chip::BreakableBlock)) {
            RestartSound(frame.services, SoundId::break_);
            s.counters.Score += 10;
            ChangeCell(frame, column, row, Chip::Empty);
            stage.SetPassable(column, row, true);
        }
    }
    for (int column : columns) {
        if (stage.Holds(column, row, Chip::HiddenBlock)) {
            ChangeCell(frame, column, row, Chip::UnbreakableBlock);
            stage.SetPassable(column, row, false);
            s.counters.Score += 50;
        }
    }
    // An item block turns solid and puts its item in the cell above. In the top row
    // there is no cell above: the block still turns solid, the item is lost.
    const auto release = [&](int column, Chip item) {
        ChangeCell(frame, column, row, Chip::UnbreakableBlock);
        stage.SetPassable(column, row, false);
        ChangeCell(frame, column, row - 1, item);
    };
    for (Chip block : {Chip::HiddenExtraLifeBlock, Chip::ExtraLifeBlock}) {
        for (int column : columns) {
            if (stage.Holds(column, row, block)) {
                release(column, Chip::ExtraLife);
            }
        }
    }
    for (int column : columns) {
        if (stage.Holds(column, row, Chip::CoinBlock)) {
            release(column, Chip::Coin);
        }
    }
}

}  // namespace detail

void CrushBlocks(FrameContext& frame) {
    GameState& s = frame.state;
    const Player& p = s.player;
    if (p.PowerUntil <= 0) {
        return;
    }
    const int row = Row(p.PlayerY) + 1;
    for (int column : {Column(p.PlayerX), Column(p.PlayerX + 14)}) {
        if (s.stage.Holds(column, row, Chip::BreakableBlock)) {
            detail::RestartSound(frame.services, SoundId::break_);
            s.counters.Score += 10;
            detail::ChangeCell(frame, column, row, Chip::Empty);
            s.stage.SetPassable(column, row, true);
        }
    }
}

namespace {

bool EitherHolds(const Stage& stage, int row, int column1, int column2, Chip chip) {
    return stage.Holds(column1, row, chip) || stage.Holds(column2, row, chip);
}

// Extra-life items, then coins, right probe first.
void TakeItems(FrameContext& frame, int row) {
    GameState& s = frame.state;
    const Player& p = s.player;
    const std::array<int, 2> columns = {Column(p.PlayerX + 14), Column(p.PlayerX)};
    for (int column : columns) {
        if (s.stage.Holds(column, row, Chip::ExtraLife)) {
            detail::ChangeCell(frame, column, row, Chip::Empty);
            s.counters.Lives += 1;
            detail::RewindAndPlay(frame.services, SoundId::oneUp);
        }
    }
    for (int column : columns) {
        if (s.stage.Holds(column, row, Chip::Coin)) {
            detail::ChangeCell(frame, column, row, Chip::Empty);
            s.counters.Coins += 1;
            s.counters.Score += 10;
            detail::RewindAndPlay(frame.services, SoundId::coin);
        }
    }
}

void ReachGoal(GameState& s, bool goal2) {
    if (goal2) {
        s.stage.NextStage = s.stage.NextStage2;
    }
    s.loop.outcome = Outcome::Clear;
}

}  // namespace

void TestRowBelow(FrameContext& frame) {
    GameState& s = frame.state;
    const Player& p = s.player;
    const int row = Row(p.PlayerY + 16);
    TakeItems(frame, row);
    const int right = Column(p.PlayerX + 14);
    const int left = Column(p.PlayerX);
    if (EitherHolds(s.stage, row, right, left, Chip::Goal1)) {
        ReachGoal(s, false);
    } else if (EitherHolds(s.stage, row, right, left, Chip::Goal2)) {
        ReachGoal(s, true);
    } else if (EitherHolds(s.stage, row, Column(p.PlayerX + 6), right, Chip::Spike) &&
               p.PowerUntil < 1) {
        // The left probe for a spike below sits at x + 6, so a toe over the edge is spared.
        s.loop.outcome = Outcome::Dead;
    }
}

void TestOwnRow(FrameContext& frame) {
    GameState& s = frame.state;
    if (s.loop.outcome != Outcome::None) {
        return;
    }
    Player& p = s.player;
    const int row = Row(p.PlayerY);
    TakeItems(frame, row);
    const int left = Column(p.PlayerX);
    const int right = Column(p.PlayerX + 14);
    if (EitherHolds(s.stage, row, left, right, Chip::Goal1)) {
        ReachGoal(s, false);
    } else if (EitherHolds(s.stage, row, left, right, Chip::Goal2)) {
        ReachGoal(s, true);
    } else if (EitherHolds(s.stage, row, left, right, Chip::Spike) && p.PowerUntil < 1) {
        s.loop.outcome = Outcome::Dead;
        p.PlayerY += s.Step(4);  // sinks into the spike for the death picture
    }
}

}  // namespace tarn::game
