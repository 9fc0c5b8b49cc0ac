// A small synthesiser: square, triangle, sine, saw and noise voices with attack, decay,
// sustain and release, pitch glides and vibrato, mixed into a mono buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace tarn::assetgen {

enum class Wave { Square, Triangle, Sine, Saw, Noise };

struct Envelope {
    double attack = 0.005;  // seconds from 0 to full
    double decay = 0.05;    // seconds from full to the sustain level
    double sustain = 0.7;   // level held while the note is gated (0..1)
    double release = 0.03;  // seconds from the level at gate end to 0
};

struct Note {
    double start = 0;   // seconds
    double length = 0;  // gate time in seconds; the release follows it
    double frequency = 440;
    double frequencyEnd = 0;  // 0: no glide; else glides exponentially over the gate
    Wave wave = Wave::Square;
    double duty = 0.5;  // square only
    double volume = 0.5;
    Envelope envelope;
    double vibratoRate = 0;   // Hz
    double vibratoDepth = 0;  // semitones
};

// Frequency of a note number: 69 is A 440 Hz, 60 middle C.
double NoteFrequency(double noteNumber);

class Mix {
  public:
    // `seconds` of silence at `rate` samples per second. A looping mix folds sound that
    // runs past its end back onto its start, so the loop point joins without a break.
    Mix(int rate, double seconds, bool looping = false);
    Mix(int rate, std::size_t samples, bool looping);

    void Add(const Note& note);
    // Multiplies everything so that the loudest sample has the magnitude `peak`.
    void Normalise(double peak);
    void Scale(double factor);

    int rate() const { return rate_; }
    const std::vector<double>& samples() const { return samples_; }
    double Seconds() const { return double(samples_.size()) / rate_; }

  private:
    int rate_;
    bool looping_;
    std::vector<double> samples_;
};

// Envelope level at `t` seconds after the note starts, for a note gated `length` seconds.
double EnvelopeLevel(const Envelope& envelope, double length, double t);

}  // namespace tarn::assetgen
