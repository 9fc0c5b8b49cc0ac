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
    }
}

void Stage::SetPassable(int column, int row, bool passable) {
    if (InsideArrays(column, row)) {
        PassMap[std::size_t(row)][std::size_t(column)] = passable ? -1 : 0;
    }
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
