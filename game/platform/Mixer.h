// The sound mixer: one buffer per sound with play once, play looping, stop (the position
// stays) and rewind. A play request on a buffer that is playing does not restart it.
// The sum goes through a fixed master gain, chosen from the loaded sounds so that the
// music and the three loudest effects together stay within full scale, then through the
// music or effects volume of each buffer, and last through a soft limiter that bends what
// still gets through towards full scale instead of clipping it.
// Mix() runs on the audio thread; every other call on the game's thread.
#pragma once

#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

#include "game/core/FrameServices.h"

namespace tarn::game {

inline constexpr int kFullVolume = 100;

// The stage music, the hurry-up music and the opening tune; everything else is an effect.
bool IsMusic(SoundId id);
// The amplitude factor of a volume 0..100: the square of its fraction, so that equal steps
// sound roughly equal.
float VolumeGain(int volume);
// The identity up to the knee, then a smooth bend that approaches full scale and never
// reaches it for any sum the master gain lets through.
float SoftLimit(float sample);

class Mixer {
  public:
    void SetSamples(SoundId id, std::vector<float> samples);
    void Apply(SoundId id, SoundOp op);
    // Music and effects volume, each 0..100 (values outside are taken as the nearest end).
    void SetVolumes(int music, int effects);
    // Writes `frames` frames of `channels` interleaved samples: the mix of every playing
    // buffer.
    void Mix(float* out, std::size_t frames, int channels);

    bool Playing(SoundId id) const;
    bool Looping(SoundId id) const;
    std::size_t Position(SoundId id) const;
    // The factor every buffer is mixed with before its volume.
    float MasterGain() const;

  private:
    struct Voice {
        std::vector<float> samples;
        float peak = 0;  // the loudest sample
        std::size_t position = 0;
        bool playing = false;
        bool looping = false;
    };
    void ChooseMasterGain();

    mutable std::mutex mutex_;
    std::array<Voice, kSoundCount> voices_;
    float masterGain_ = 1;
    float musicGain_ = 1;
    float effectsGain_ = 1;
    std::vector<float> scratch_;
};

}  // namespace tarn::game
