// Mixing the sound buffers.
#include "game/platform/Mixer.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tarn::game {

namespace {

// Effects that may sound at once over the music without any limiting.
constexpr std::size_t kEffectsOverMusic = 3;
// Where the limiter starts to bend.
constexpr float kKnee = 0.8f;

}  // namespace

bool IsMusic(SoundId id) {
    return id == SoundId::bgn || id == SoundId::bg || id == SoundId::op;
}

float VolumeGain(int volume) {
    const float fraction = float(std::clamp(volume, 0, kFullVolume)) / float(kFullVolume);
    return fraction * fraction;
}

float SoftLimit(float sample) {
    const float magnitude = std::abs(sample);
    if (magnitude <= kKnee) {
        return sample;
    }
    const float room = 1.0f - kKnee;
    const float bent = kKnee + room * std::tanh((magnitude - kKnee) / room);
    return std::copysign(bent, sample);
}

void Mixer::SetSamples(SoundId id, std::vector<float> samples) {
    const std::lock_guard lock(mutex_);
    Voice& v = voices_[std::size_t(id)];
    v = Voice{};
    v.samples = std::move(samples);
    for (const float sample : v.samples) {
        v.peak = std::max(v.peak, std::abs(sample));
    }
    ChooseMasterGain();
}

// The loudest music plus the three loudest effects at their peaks reach exactly full
// scale; quieter sounds are never made louder.
void Mixer::ChooseMasterGain() {
    float music = 0;
    std::vector<float> effects;
    for (int i = 0; i < kSoundCount; ++i) {
        const Voice& v = voices_[std::size_t(i)];
        if (IsMusic(SoundId(i))) {
            music = std::max(music, v.peak);
        } else {
            effects.push_back(v.peak);
        }
    }
    std::sort(effects.begin(), effects.end(), std::greater<>());
    float worst = music;
    for (std::size_t i = 0; i < std::min(kEffectsOverMusic, effects.size()); ++i) {
        worst += effects[i];
    }
    masterGain_ = worst > 1.0f ? 1.0f / worst : 1.0f;
}

void Mixer::SetVolumes(int music, int effects) {
    const std::lock_guard lock(mutex_);
    musicGain_ = VolumeGain(music);
    effectsGain_ = VolumeGain(effects);
}

void Mixer::Apply(SoundId id, SoundOp op) {
    const std::lock_guard lock(mutex_);
    Voice& v = voices_[std::size_t(id)];
    switch (op) {
        case SoundOp::Play:
        case SoundOp::PlayLooping:
            // Playing on: a playing buffer keeps its position and only takes the new mode.
            v.looping = op == SoundOp::PlayLooping;
            v.playing = !v.samples.empty();
            break;
        case SoundOp::Stop:
            v.playing = false;
            break;
        case SoundOp::Rewind:
            v.position = 0;
            break;
    }
}

void Mixer::Mix(float* out, std::size_t frames, int channels) {
    scratch_.assign(frames, 0.0f);
    {
        const std::lock_guard lock(mutex_);
        for (int i = 0; i < kSoundCount; ++i) {
            Voice& v = voices_[std::size_t(i)];
            const float gain = masterGain_ * (IsMusic(SoundId(i)) ? musicGain_ : effectsGain_);
            std::size_t f = 0;
            while (v.playing && f < frames) {
                if (v.position >= v.samples.size()) {
                    v.position = 0;
                    if (!v.looping) {
                        // A buffer played to its end starts from the beginning next time.
                        v.playing = false;
                        break;
                    }
                    if (v.samples.empty()) {
                        v.playing = false;
                        break;
                    }
                }
                const std::size_t n = std::min(frames - f, v.samples.size() - v.position);
                for (std::size_t k = 0; k < n; ++k) {
                    scratch_[f + k] += gain * v.samples[v.position + k];
                }
                f += n;
                v.position += n;
                if (v.position >= v.samples.size() && !v.looping) {
                    v.position = 0;
                    v.playing = false;
                }
            }
        }
    }
    for (std::size_t f = 0; f < frames; ++f) {
        const float s = SoftLimit(scratch_[f]);
        for (int c = 0; c < channels; ++c) {
            out[f * std::size_t(channels) + std::size_t(c)] = s;
        }
    }
}

bool Mixer::Playing(SoundId id) const {
    const std::lock_guard lock(mutex_);
    return voices_[std::size_t(id)].playing;
}

bool Mixer::Looping(SoundId id) const {
    const std::lock_guard lock(mutex_);
    return voices_[std::size_t(id)].looping;
}

std::size_t Mixer::Position(SoundId id) const {
    const std::lock_guard lock(mutex_);
    return voices_[std::size_t(id)].position;
}

float Mixer::MasterGain() const {
    const std::lock_guard lock(mutex_);
    return masterGain_;
}

}  // namespace tarn::game
