// The audio device: our mixer behind an SDL audio callback. Without a device (no sound
// card, a server) the game runs silent.
#pragma once

#include <SDL.h>

#include "game/platform/Mixer.h"
#include "support/WaveFile.h"

namespace tarn::game {

class SdlAudio {
  public:
    SdlAudio();
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool Open() const { return device_ != 0; }
    // Converts the wave to the device's rate and gives it to the sound's buffer.
    void SetWave(SoundId id, const Wave& wave);
    void Apply(SoundId id, SoundOp op);
    Mixer& mixer() { return mixer_; }

  private:
    static void Callback(void* self, Uint8* stream, int bytes);

    Mixer mixer_;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
};

}  // namespace tarn::game
