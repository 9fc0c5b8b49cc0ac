// The game's millisecond clock: frame pacing, power mode and every timed wait read it.
// The platform's clock serves live runs; a replay hands back the readings it recorded.
#pragma once

#include <cstdint>

namespace tarn::game {

class GameClock {
  public:
    virtual ~GameClock() = default;
    // Milliseconds since some fixed start; never goes backwards.
    virtual std::uint32_t Clock() = 0;
    // Returns once Clock() has reached the given reading (at once when it has).
    virtual void WaitUntil(std::uint32_t ms) = 0;
};

}  // namespace tarn::game
