// Frame pacing and the frame-rate keys.
#include "game/core/Pacing.h"

#include <algorithm>
#include <cmath>

namespace tarn::game {

int PacingFps(int targetFps) {
    return targetFps >= 10 && targetFps <= 90 ? targetFps : 60;
}

bool SecondBoundaryPassed(std::uint32_t now, std::uint32_t secondStart) {
    return std::int64_t(now) > std::int64_t(secondStart) + 1000;
}

bool FrameDue(std::uint32_t now, std::uint32_t secondStart, int targetFps,
              std::int32_t frameCount) {
    return double(now) >
           double(secondStart) + (1000.0 / double(PacingFps(targetFps))) * double(frameCount);
}

std::uint32_t NextWakeTime(std::uint32_t secondStart, int targetFps, std::int32_t frameCount) {
    const double due =
        double(secondStart) + (1000.0 / double(PacingFps(targetFps))) * double(frameCount);
    const double frameWake = std::floor(due) + 1.0;
    const double boundaryWake = double(secondStart) + 1001.0;
    return std::uint32_t(std::min(frameWake, boundaryWake));
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
