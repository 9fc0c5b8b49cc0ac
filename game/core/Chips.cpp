// What touching static map cells does: head hits on blocks, crushing in power mode,
// items, goals and spikes in the row below the player and in its own row.
#include <array>
#include <cstdint>

#include "game/core/RuleHelpers.h"

namespace tarn::game {

using detail::Column;
using detail::Row;

namespace detail {

void ChangeCell(FrameContext& frame, int column, int row, int code) {
    if (column < 0 || column >= 200 || row < 0 || row >= 60) {
        return;
    }
    frame.state.stage.SetChip(column, row, code);
    RedrawCell(frame.layers, frame.art, column, row, code);
}

void HeadHit(FrameContext& frame) {
    GameState& s = frame.state;
    Stage& stage = s.stage;
    const Player& p = s.player;
    const int row = Row(p.PlayerY);
    const std::array<int, 2> columns = {Column(p.PlayerX), Column(p.PlayerX + 14)};

    for (int column : columns) {
        if (stage.Chip(column, row) == 1) {
            RestartSound(frame.services, SoundId::break_);
            s.counters.Score += 10;
            ChangeCell(frame, column, row, 0);
            stage.SetPassable(column, row, true);
        }
    }
    for (int column : columns) {
        if (stage.Chip(column, row) == 10) {
            ChangeCell(frame, column, row, 2);
            stage.SetPassable(column, row, false);
            s.counters.Score += 50;
        }
    }
    // An item block turns solid and puts its item in the cell above. In the top row
    // there is no cell above: the block still turns solid, the item is lost.
    const auto release = [&](int column, int item) {
        ChangeCell(frame, column, row, 2);
        stage.SetPassable(column, row, false);
        ChangeCell(frame, column, row - 1, item);
    };
    for (int blockCode : {22, 23}) {
        for (int column : columns) {
            if (stage.Chip(column, row) == blockCode) {
                release(column, 20);
            }
        }
    }
    for (int column : columns) {
        if (stage.Chip(column, row) == 21) {
            release(column, 5);
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
        if (s.stage.Chip(column, row) == 1) {
            detail::RestartSound(frame.services, SoundId::break_);
            s.counters.Score += 10;
            detail::ChangeCell(frame, column, row, 0);
            s.stage.SetPassable(column, row, true);
        }
    }
}

namespace {

// Extra-life items, then coins, right probe first.
void TakeItems(FrameContext& frame, int row) {
    GameState& s = frame.state;
    const Player& p = s.player;
    const std::array<int, 2> columns = {Column(p.PlayerX + 14), Column(p.PlayerX)};
    for (int column : columns) {
        if (s.stage.Chip(column, row) == 20) {
            detail::ChangeCell(frame, column, row, 0);
            s.counters.Lives += 1;
            detail::RewindAndPlay(frame.services, SoundId::oneUp);
        }
    }
    for (int column : columns) {
        if (s.stage.Chip(column, row) == 5) {
            detail::ChangeCell(frame, column, row, 0);
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
    const std::int32_t a = s.stage.Chip(Column(p.PlayerX + 14), row);
    const std::int32_t b = s.stage.Chip(Column(p.PlayerX), row);
    if (a == 3 || b == 3) {
        ReachGoal(s, false);
    } else if (a == 19 || b == 19) {
        ReachGoal(s, true);
    } else if ((s.stage.Chip(Column(p.PlayerX + 6), row) == 4 || a == 4) && p.PowerUntil < 1) {
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
    const std::int32_t l = s.stage.Chip(Column(p.PlayerX), row);
    const std::int32_t r = s.stage.Chip(Column(p.PlayerX + 14), row);
    if (l == 3 || r == 3) {
        ReachGoal(s, false);
    } else if (l == 19 || r == 19) {
        ReachGoal(s, true);
    } else if ((l == 4 || r == 4) && p.PowerUntil < 1) {
        s.loop.outcome = Outcome::Dead;
        p.PlayerY += s.Step(4);  // sinks into the spike for the death picture
    }
}

}  // namespace tarn::game
