// What the rules of play need from outside the game state: the millisecond clock, the
// sounds and text printed into the composition picture. The main loop passes the real
// ones; tests pass recording fakes. The rules tell nothing else: what the status strip
// shows, the main loop takes from the game state.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarn::game {

// The 15 sounds, in the order they are created.
enum class SoundId {
    jump01,
    bgn,
    bg,
    endh,
    break_,
    end,
    ded,
    ded1,
    clear,
    allclear,
    coin,
    timep,
    oneUp,
    op,
    tded,
};
inline constexpr int kSoundCount = 15;
// The base name of a sound's wave file ("jump01", "1up", ...).
const char* SoundFileName(SoundId id);

enum class SoundOp { Play, PlayLooping, Stop, Rewind };

class FrameServices {
  public:
    virtual ~FrameServices() = default;
    virtual std::uint32_t Clock() = 0;  // milliseconds
    virtual void Sound(SoundId id, SoundOp op) = 0;
    // Prints a text into the composition picture with its print position at (x, y).
    virtual void PrintOnPBuffer(int x, int y, std::string_view text) = 0;
};

}  // namespace tarn::game
