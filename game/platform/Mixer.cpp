// Mixing the sound buffers.
#include "game/platform/Mixer.h"

#include <algorithm>

namespace tarn::game {

void Mixer::SetSamples(SoundId id, std::vector<float> samples) {
    const std::lock_guard lock(mutex_);
    Voice& v = voices_[std::size_t(id)];
    v = Voice{};
    v.samples = std::move(samples);
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
        for (Voice& v : voices_) {
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
                for (std::size_t i = 0; i < n; ++i) {
                    scratch_[f + i] += v.samples[v.position + i];
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
        const float s = std::clamp(scratch_[f], -1.0f, 1.0f);
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

}  // namespace tarn::game
