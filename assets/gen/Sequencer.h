// A little sequencer: melodies written in a music macro language, chord names turned into
// bass lines and arpeggios, and drum patterns, all placed on a beat grid.
//
// Melody text: notes c d e f g a b, each optionally followed by "+" (sharp) or "-" (flat),
// a length (1 whole, 2 half, 4 quarter, 8 eighth, 16 sixteenth) and "." (dotted); "r" is a
// rest; "o4" sets the octave (o4 c is middle C), "<" and ">" step it down and up; "l8" sets
// the default length; "v12" sets the volume (0..15). Blanks and "|" (bar lines) are ignored.
#pragma once

#include <string>
#include <vector>

#include "assets/gen/Synth.h"

namespace tarn::assetgen {

struct Instrument {
    Wave wave = Wave::Square;
    double duty = 0.5;
    double volume = 0.3;
    Envelope envelope;
    double gate = 0.8;  // fraction of the written length that sounds before the release
    double vibratoRate = 0;
    double vibratoDepth = 0;
};

struct Timing {
    double bpm = 120;
    double startSeconds = 0;
    double Seconds(double beats) const { return startSeconds + beats * 60.0 / bpm; }
};

// Adds the melody to the mix and returns its length in beats; false in `ok` (and nothing
// added after the fault) when the text has a character it does not know.
double PlayMelody(Mix& mix, const std::string& text, const Timing& timing,
                  const Instrument& instrument, bool& ok);

// Semitones (0 = C) of a chord's tones from its name: "C", "F#m", "Bb", "D7", "Em".
std::vector<int> ChordTones(const std::string& name);

// The length of a melody in beats, without playing it.
double MelodyBeats(const std::string& text, bool& ok);

// One chord per bar of four beats: root and octave pulses in eighths.
void PlayBass(Mix& mix, const std::vector<std::string>& chords, const Timing& timing,
              const Instrument& instrument, int octave);
// One chord per bar: its tones rising in sixteenths.
void PlayArpeggio(Mix& mix, const std::vector<std::string>& chords, const Timing& timing,
                  const Instrument& instrument, int octave);
// One character per sixteenth: "k" kick, "s" snare, "h" hat, "." nothing; repeated for
// `bars` bars of sixteen steps.
void PlayDrums(Mix& mix, const std::string& pattern, int bars, const Timing& timing, double volume);

}  // namespace tarn::assetgen
