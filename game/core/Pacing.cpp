// Frame pacing and the frame-rate keys.
#include "game/core/Pacing.h"

#include <algorithm>
#include <cmath>

namespace tarn::game {

int PacingFps(int targetFps) {
    return targetFps >= 10 && targetFps <= 90 ? targetFps : 60;
}

namespace {

// Milliseconds from the second's start to now, across the clock's wrap at 2^32.
std::int32_t SinceSecondStart(std::uint32_t now, std::uint32_t secondStart) {
    return std::int32_t(now - secondStart);
}

}  // namespace

bool SecondBoundaryPassed(std::uint32_t now, std::uint32_t secondStart) {
    return SinceSecondStart(now, secondStart) > 1000;
}

bool FrameDue(std::uint32_t now, std::uint32_t secondStart, int targetFps,
              std::int32_t frameCount) {
    return double(SinceSecondStart(now, secondStart)) >
           (1000.0 / double(PacingFps(targetFps))) * double(frameCount);
}

std::uint32_t NextWakeTime(std::uint32_t secondStart, int targetFps, std::int32_t frameCount) {
    const double due = (1000.0 / double(PacingFps(targetFps))) * double(frameCount);
    const double wake = std::min(std::floor(due) + 1.0, 1001.0);
    return secondStart + std::uint32_t(std::max(wake, 0.0));
}

int FpsKey(const KeyState& keys, int targetFps) {
    for (int d = 1; d <= 9; ++d) {
        if (keys.Held(48 + d)) {
            return 10 * d;
        }
    }
    return targetFps;
}

}  // namespace tarn::game
