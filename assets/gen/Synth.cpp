// Oscillators, envelopes and the mixing of notes.
#include "assets/gen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tarn::assetgen {

namespace {

// A pulse of the given duty with its mean taken out: high for the first `duty` of each
// cycle and low for the rest, the two levels 2 apart and balanced around zero. A plain
// +1/-1 pulse of duty d carries 2d - 1 of DC, which only eats headroom and thumps where a
// note starts and stops.
double PulseLevel(double phase, double duty) {
    return (phase < duty ? 1.0 : -1.0) - (2 * duty - 1);
}

}  // namespace

double NoteFrequency(double noteNumber) {
    return 440.0 * std::pow(2.0, (noteNumber - 69) / 12);
}

double EnvelopeLevel(const Envelope& envelope, double length, double t) {
    auto gated = [&](double at) {
        if (at < envelope.attack) {
            return at / envelope.attack;
        }
        const double intoDecay = at - envelope.attack;
        if (intoDecay < envelope.decay) {
            return 1.0 - (1.0 - envelope.sustain) * (intoDecay / envelope.decay);
        }
        return envelope.sustain;
    };
    if (t < 0) {
        return 0;
    }
    if (t < length) {
        return gated(t);
    }
    const double released = t - length;
    if (released >= envelope.release) {
        return 0;
    }
    return gated(length) * (1.0 - released / envelope.release);
}

Mix::Mix(int rate, double seconds, bool looping)
    : Mix(rate, std::size_t(std::llround(seconds * rate)), looping) {}

Mix::Mix(int rate, std::size_t samples, bool looping)
    : rate_(rate), looping_(looping), samples_(samples, 0.0) {}

void Mix::Add(const Note& note) {
    if (samples_.empty() || note.length <= 0) {
        return;
    }
    const double total = note.length + note.envelope.release;
    const long first = std::lround(note.start * rate_);
    const long count = std::lround(total * rate_);
    const double glide = note.frequencyEnd > 0 ? std::log(note.frequencyEnd / note.frequency) : 0;
    double phase = 0;
    std::uint32_t lfsr = 0xACE1u;
    double noiseValue = 1;
    const long size = long(samples_.size());
    for (long i = 0; i < count; ++i) {
        const double t = double(i) / rate_;
        double frequency = note.frequency;
        if (glide != 0) {
            frequency *= std::exp(glide * std::min(t / note.length, 1.0));
        }
        if (note.vibratoDepth > 0) {
            const double wobble = std::sin(2 * std::numbers::pi * note.vibratoRate * t);
            frequency *= std::pow(2.0, note.vibratoDepth * wobble / 12);
        }
        const double previous = phase;
        phase += frequency / rate_;
        phase -= std::floor(phase);
        double value = 0;
        switch (note.wave) {
            case Wave::Square:
                value = PulseLevel(phase, note.duty);
                break;
            case Wave::Triangle:
                value = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
                break;
            case Wave::Sine:
                value = std::sin(2 * std::numbers::pi * phase);
                break;
            case Wave::Saw:
                value = 2 * phase - 1;
                break;
            case Wave::Noise:
                if (phase < previous) {  // a new noise step each cycle
                    const std::uint32_t bit = ((lfsr >> 0) ^ (lfsr >> 1)) & 1u;
                    lfsr = (lfsr >> 1) | (bit << 14);
                    noiseValue = (lfsr & 1u) != 0 ? 1 : -1;
                }
                value = noiseValue;
                break;
        }
        long index = first + i;
        if (index >= size) {
            if (!looping_) {
                break;
            }
            index %= size;
        }
        samples_[std::size_t(index)] +=
            value * note.volume * EnvelopeLevel(note.envelope, note.length, t);
    }
}

void Mix::Normalise(double peak) {
    double loudest = 0;
    for (double sample : samples_) {
        loudest = std::max(loudest, std::abs(sample));
    }
    if (loudest > 0) {
        Scale(peak / loudest);
    }
}

void Mix::Scale(double factor) {
    for (double& sample : samples_) {
        sample *= factor;
    }
}

}  // namespace tarn::assetgen
