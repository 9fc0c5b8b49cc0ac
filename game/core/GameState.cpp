// Cell access of the in-memory stage, outcome texts and the held-key table.
#include "game/core/GameState.h"

namespace tarn::game {

namespace {

bool InsideArrays(int column, int row) {
    return column >= 0 && column < kChipColumns && row >= 0 && row < kChipRows;
}

}  // namespace

std::int32_t Stage::Chip(int column, int row) const {
    if (!InsideArrays(column, row)) {
        return -1;
    }
    return ChipMap[std::size_t(row)][std::size_t(column)];
}

bool Stage::Passable(int column, int row) const {
    if (!InsideArrays(column, row)) {
        return true;
    }
    return PassMap[std::size_t(row)][std::size_t(column)] != 0;
}

void Stage::SetChip(int column, int row, std::int32_t code) {
    if (InsideArrays(column, row)) {
        ChipMap[std::size_t(row)][std::size_t(column)] = code;
        ++Edits;
    }
}

void Stage::SetPassable(int column, int row, bool passable) {
    if (InsideArrays(column, row)) {
        PassMap[std::size_t(row)][std::size_t(column)] = passable ? -1 : 0;
        ++Edits;
    }
}

void CopyAllButMaps(GameState& to, const GameState& from) {
    Stage& a = to.stage;
    const Stage& b = from.stage;
    a.ObjKind = b.ObjKind;
    a.ObjX = b.ObjX;
    a.ObjY = b.ObjY;
    a.ObjDX = b.ObjDX;
    a.ObjDY = b.ObjDY;
    a.ObjActive = b.ObjActive;
    a.ObjCount = b.ObjCount;
    a.Edits = b.Edits;
    a.BackgroundName = b.BackgroundName;
    a.StageName = b.StageName;
    a.CurrentStage = b.CurrentStage;
    a.NextStage = b.NextStage;
    a.NextStage2 = b.NextStage2;
    to.lowSpec = from.lowSpec;
    to.player = from.player;
    to.counters = from.counters;
    to.loop = from.loop;
    to.bindings = from.bindings;
    to.keys = from.keys;
    to.TargetFps = from.TargetFps;
    to.ColorDepth = from.ColorDepth;
    to.ConfigNo = from.ConfigNo;
    to.KeyTable = from.KeyTable;
}

const char* OutcomeText(Outcome outcome) {
    switch (outcome) {
        case Outcome::Clear:
            return "CL";
        case Outcome::Dead:
            return "DED";
        case Outcome::None:
            break;
    }
    return "";
}

void KeyState::Press(int code, const KeyBindings& bindings) {
    if (code < 0 || code >= 256) {
        return;
    }
    state[std::size_t(code)] = -1;
    // A key bound to both directions must not cancel itself.
    if (code == bindings.KeyLeft && bindings.KeyRight != bindings.KeyLeft) {
        state[bindings.KeyRight] = 0;
    } else if (code == bindings.KeyRight && bindings.KeyRight != bindings.KeyLeft) {
        state[bindings.KeyLeft] = 0;
    }
}

void KeyState::Release(int code) {
    if (code >= 0 && code < 256) {
        state[std::size_t(code)] = 0;
    }
}

}  // namespace tarn::game
