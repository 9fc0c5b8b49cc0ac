// Opening the audio device and feeding it from the mixer.
#include "game/sdl/SdlAudio.h"

#include <cstdio>

#include "game/core/GameMessages.h"
#include "game/sdl/SdlDrivers.h"

namespace tarn::game {

SdlAudio::SdlAudio() {
    QuietAudioLibrary();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "%s: no audio (%s); running silent\n", kProgramTitle, SDL_GetError());
        return;
    }
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = &SdlAudio::Callback;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
    if (device_ == 0) {
        std::fprintf(stderr, "%s: no audio device (%s); running silent\n", kProgramTitle,
                     SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SDL_PauseAudioDevice(device_, 0);
}

SdlAudio::~SdlAudio() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SdlAudio::SetWave(SoundId id, const Wave& wave) {
    if (device_ != 0) {
        mixer_.SetSamples(id, Resample(wave, spec_.freq));
    }
}

void SdlAudio::Apply(SoundId id, SoundOp op) {
    if (device_ != 0) {
        mixer_.Apply(id, op);
    }
}

void SdlAudio::Callback(void* self, Uint8* stream, int bytes) {
    auto* audio = static_cast<SdlAudio*>(self);
    const int channels = audio->spec_.channels;
    const std::size_t frames = std::size_t(bytes) / (sizeof(float) * std::size_t(channels));
    audio->mixer_.Mix(reinterpret_cast<float*>(stream), frames, channels);
}

}  // namespace tarn::game
