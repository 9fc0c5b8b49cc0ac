// The short sounds: effects, signals and fanfares.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "assets/gen/Sequencer.h"
#include "assets/gen/Sounds.h"

namespace tarn::assetgen {
namespace {

Note Tone(Wave wave, double start, double length, double from, double to, double volume,
          Envelope envelope) {
    Note note;
    note.wave = wave;
    note.start = start;
    note.length = length;
    note.frequency = from;
    note.frequencyEnd = to;
    note.volume = volume;
    note.envelope = envelope;
    return note;
}

Instrument Pulse(double duty, double volume, Envelope envelope, double gate = 0.9) {
    Instrument instrument;
    instrument.wave = Wave::Square;
    instrument.duty = duty;
    instrument.volume = volume;
    instrument.envelope = envelope;
    instrument.gate = gate;
    return instrument;
}

Instrument Soft(double volume, Envelope envelope, double gate = 0.9) {
    Instrument instrument;
    instrument.wave = Wave::Triangle;
    instrument.volume = volume;
    instrument.envelope = envelope;
    instrument.gate = gate;
    return instrument;
}

// Stops the generator with a clear message; the melodies are fixed texts, so a fault
// is a mistake in this file.
void CheckMelody(bool ok, const char* melody) {
    if (!ok) {
        throw std::invalid_argument(std::string("unreadable melody: ") + melody);
    }
}

// A melody with an optional second voice, normalised; the mix is as long as the longer
// part plus a short tail.
Mix Tune(int rate, double bpm, const char* melody, const Instrument& voice,
         const char* second = nullptr, const Instrument* secondVoice = nullptr) {
    bool ok = true;
    double beats = MelodyBeats(melody, ok);
    CheckMelody(ok, melody);
    if (second != nullptr) {
        beats = std::max(beats, MelodyBeats(second, ok));
        CheckMelody(ok, second);
    }
    Mix mix(rate, beats * 60.0 / bpm + 0.02, false);
    PlayMelody(mix, melody, {bpm, 0}, voice, ok);
    if (second != nullptr) {
        PlayMelody(mix, second, {bpm, 0}, *secondVoice, ok);
    }
    mix.Normalise(0.7);
    return mix;
}

}  // namespace

Mix JumpSound(int rate) {
    Mix mix(rate, 0.2);
    Note note = Tone(Wave::Square, 0, 0.15, 280, 880, 0.6, {0.003, 0.12, 0.4, 0.04});
    note.duty = 0.25;
    mix.Add(note);
    // A thin pulse spends most of its cycle near zero: its peak sits high for its loudness.
    mix.Normalise(0.8);
    return mix;
}

Mix HurrySignal(int rate) {
    const Instrument high = Pulse(0.5, 0.5, {0.002, 0.03, 0.7, 0.02});
    const Instrument low = Soft(0.6, {0.002, 0.05, 0.8, 0.02});
    return Tune(rate, 200, "o5 l16 c e g >c< c e g >c< c+ f g+ >c+< c+ f g+ >c+4 r8", high,
                "o3 l4 c c c+ c+8 r8", &low);
}

Mix BreakSound(int rate) {
    Mix mix(rate, 0.32);
    mix.Add(Tone(Wave::Noise, 0, 0.22, 3000, 500, 0.7, {0.001, 0.2, 0.0, 0.05}));
    mix.Add(Tone(Wave::Square, 0, 0.08, 180, 60, 0.5, {0.001, 0.07, 0.0, 0.02}));
    mix.Add(Tone(Wave::Noise, 0.1, 0.1, 1500, 900, 0.3, {0.001, 0.09, 0.0, 0.03}));
    mix.Normalise(0.8);
    return mix;
}

Mix GameOverTune(int rate) {
    Instrument voice = Pulse(0.5, 0.5, {0.01, 0.2, 0.6, 0.15}, 0.85);
    voice.vibratoRate = 4.5;
    voice.vibratoDepth = 0.2;
    const Instrument bass = Soft(0.6, {0.01, 0.3, 0.7, 0.2}, 0.9);
    return Tune(rate, 116, "o4 l8 g f+ f e4 r8 c d+4 d4 c+4 c2", voice, "o2 l4 c <b- a- g >c2 <c2",
                &bass);
}

Mix FallSound(int rate) {
    Mix mix(rate, 1.25);
    Note note = Tone(Wave::Square, 0, 1.0, 900, 90, 0.5, {0.005, 0.1, 0.8, 0.2});
    note.duty = 0.5;
    note.vibratoRate = 12;
    note.vibratoDepth = 0.6;
    mix.Add(note);
    mix.Normalise(0.6);
    return mix;
}

Mix DeathSting(int rate) {
    const Instrument voice = Pulse(0.5, 0.5, {0.002, 0.06, 0.6, 0.05}, 0.8);
    return Tune(rate, 240, "o5 l16 b f b f b f e8. r16 <b4", voice);
}

Mix ClearFanfare(int rate) {
    const Instrument lead = Pulse(0.25, 0.45, {0.004, 0.1, 0.6, 0.05}, 0.85);
    const Instrument bass = Soft(0.6, {0.004, 0.1, 0.8, 0.05});
    return Tune(rate, 220, "o5 l8 c e g >c4 <g16 >c16 e4. d16 e16 g4", lead, "o3 l4 c e g >c <g >c",
                &bass);
}

Mix AllClearFanfare(int rate) {
    const Instrument lead = Pulse(0.25, 0.45, {0.004, 0.12, 0.6, 0.08}, 0.85);
    const Instrument bass = Soft(0.6, {0.004, 0.1, 0.8, 0.08});
    return Tune(rate, 210,
                "o5 l8 g e g >c4 <b a g4 e c d4 e f g2 | a f a >d4 c <b a4 g f+ g4 a b >c2.", lead,
                "o3 l4 c e g e f a g g d f+ g g g g c2. r4", &bass);
}

Mix CoinSound(int rate) {
    Mix mix(rate, 0.42);
    Note first = Tone(Wave::Square, 0, 0.07, NoteFrequency(83), 0, 0.5, {0.002, 0.02, 0.9, 0.005});
    Note second =
        Tone(Wave::Square, 0.075, 0.25, NoteFrequency(88), 0, 0.5, {0.002, 0.25, 0.0, 0.05});
    first.duty = second.duty = 0.5;
    mix.Add(first);
    mix.Add(second);
    mix.Normalise(0.6);
    return mix;
}

Mix TimeTick(int rate) {
    // Played in a loop while the time bonus counts: one blip, then silence to the end.
    Mix mix(rate, 0.07);
    Note blip = Tone(Wave::Square, 0, 0.025, 1760, 0, 0.5, {0.001, 0.02, 0.3, 0.005});
    blip.duty = 0.5;
    mix.Add(blip);
    mix.Normalise(0.6);
    return mix;
}

Mix ExtraLifeSound(int rate) {
    const Instrument voice = Pulse(0.25, 0.5, {0.002, 0.04, 0.8, 0.02}, 0.9);
    return Tune(rate, 150, "o5 l16 e g >e c d g8", voice);
}

Mix OpeningTune(int rate) {
    const Instrument lead = Pulse(0.25, 0.45, {0.005, 0.1, 0.6, 0.06}, 0.85);
    const Instrument bass = Soft(0.6, {0.005, 0.1, 0.8, 0.06});
    return Tune(rate, 144, "o5 l8 e g b >e4< b >d4 c <b a b2", lead, "o2 l4 e e c d e2", &bass);
}

Mix StompSound(int rate) {
    Mix mix(rate, 0.2);
    Note drop = Tone(Wave::Square, 0, 0.12, 700, 140, 0.5, {0.001, 0.1, 0.2, 0.03});
    drop.duty = 0.5;
    mix.Add(drop);
    mix.Add(Tone(Wave::Noise, 0, 0.03, 8000, 0, 0.3, {0.001, 0.025, 0.0, 0.005}));
    mix.Normalise(0.6);
    return mix;
}

}  // namespace tarn::assetgen
