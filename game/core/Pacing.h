// Frame pacing by the millisecond clock. Frames of a one-second window are due at
// SecondStart + k x 1000 / TargetFps; the window ends when the clock is more than 1000 ms
// past its start, and the schedule then restarts from the clock, so a backlog is never
// carried over.
#pragma once

#include <cstdint>

#include "game/core/GameState.h"

namespace tarn::game {

// The frame rate the pacing divides by: TargetFps when it lies in 10..90, else 60.
int PacingFps(int targetFps);

// True when the one-second window that began at secondStart has ended.
bool SecondBoundaryPassed(std::uint32_t now, std::uint32_t secondStart);

// True when frame number frameCount + 1 of the window is due.
bool FrameDue(std::uint32_t now, std::uint32_t secondStart, int targetFps, std::int32_t frameCount);

// The earliest clock reading at which the next frame is due or the window ends.
std::uint32_t NextWakeTime(std::uint32_t secondStart, int targetFps, std::int32_t frameCount);

// The frame rate chosen by the digit keys: 10 x d for the lowest digit d (1..9) held,
// else the current rate.
int FpsKey(const KeyState& keys, int targetFps);

}  // namespace tarn::game
