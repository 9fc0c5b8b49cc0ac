// The game state as one JSON object (for --dump-state) and as a checksum (for replays).
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "game/core/GameState.h"

namespace tarn::game {

struct DumpExtras {
    std::uint64_t frames = 0;
    std::string fpsCaption;  // the status strip's "FPS n/m"
};

void DumpState(std::ostream& out, const GameState& state, const DumpExtras& extras);

// FNV-1a over the stage, the player, the counters and the loop state.
std::uint64_t StateChecksum(const GameState& state);

}  // namespace tarn::game
