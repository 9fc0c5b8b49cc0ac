// The sound mixer: one buffer per sound with play once, play looping, stop (the position
// stays) and rewind. A play request on a buffer that is playing does not restart it.
// Mix() runs on the audio thread; every other call on the game's thread.
#pragma once

#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

#include "game/core/FrameServices.h"

namespace tarn::game {

class Mixer {
  public:
    void SetSamples(SoundId id, std::vector<float> samples);
    void Apply(SoundId id, SoundOp op);
    // Writes `frames` frames of `channels` interleaved samples, the sum of every playing
    // buffer, clipped to -1..1.
    void Mix(float* out, std::size_t frames, int channels);

    bool Playing(SoundId id) const;
    bool Looping(SoundId id) const;
    std::size_t Position(SoundId id) const;

  private:
    struct Voice {
        std::vector<float> samples;
        std::size_t position = 0;
        bool playing = false;
        bool looping = false;
    };
    mutable std::mutex mutex_;
    std::array<Voice, kSoundCount> voices_;
    std::vector<float> scratch_;
};

}  // namespace tarn::game
