// The melody reader, chord parts and drums.
#include "assets/gen/Sequencer.h"

#include <algorithm>
#include <cctype>

namespace tarn::assetgen {
namespace {

int Semitone(char letter) {
    switch (letter) {
        case 'c':
            return 0;
        case 'd':
            return 2;
        case 'e':
            return 4;
        case 'f':
            return 5;
        case 'g':
            return 7;
        case 'a':
            return 9;
        case 'b':
            return 11;
        default:
            return -1;
    }
}

int ReadNumber(const std::string& text, std::size_t& at, int fallback) {
    if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) {
        return fallback;
    }
    int value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    return value;
}

void AddTone(Mix& mix, double noteNumber, double startBeat, double beats, const Timing& timing,
             const Instrument& instrument, double volumeScale) {
    const double slot = timing.Seconds(startBeat + beats) - timing.Seconds(startBeat);
    Note note;
    note.start = timing.Seconds(startBeat);
    // The release must end inside the slot, so that every envelope closes on the grid.
    note.length = std::min(slot * instrument.gate, slot - instrument.envelope.release - 0.001);
    note.frequency = NoteFrequency(noteNumber);
    note.wave = instrument.wave;
    note.duty = instrument.duty;
    note.volume = instrument.volume * volumeScale;
    note.envelope = instrument.envelope;
    note.vibratoRate = instrument.vibratoRate;
    note.vibratoDepth = instrument.vibratoDepth;
    mix.Add(note);
}

}  // namespace

namespace {

// Reads the melody, adding its notes to the mix when there is one; returns its beats.
double WalkMelody(Mix* mix, const std::string& text, const Timing& timing,
                  const Instrument& instrument, bool& ok) {
    ok = true;
    int octave = 4;
    int defaultLength = 4;
    double volume = 1.0;
    double beat = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = char(std::tolower(static_cast<unsigned char>(text[at++])));
        if (c == ' ' || c == '|' || c == '\n' || c == '\t') {
            continue;
        }
        if (c == '<' || c == '>') {
            octave += c == '>' ? 1 : -1;
            continue;
        }
        if (c == 'o' || c == 'l' || c == 'v') {
            const int value = ReadNumber(text, at, -1);
            if (value < 0) {
                ok = false;
                return beat;
            }
            if (c == 'o') {
                octave = value;
            } else if (c == 'l') {
                defaultLength = value > 0 ? value : 4;
            } else {
                volume = value / 15.0;
            }
            continue;
        }
        const int semitone = Semitone(c);
        if (semitone < 0 && c != 'r') {
            ok = false;
            return beat;
        }
        int pitch = semitone;
        while (at < text.size() && (text[at] == '+' || text[at] == '#' || text[at] == '-')) {
            pitch += text[at] == '-' ? -1 : 1;
            ++at;
        }
        const int length = ReadNumber(text, at, defaultLength);
        double beats = 4.0 / (length > 0 ? length : defaultLength);
        if (at < text.size() && text[at] == '.') {
            beats *= 1.5;
            ++at;
        }
        if (c != 'r' && mix != nullptr) {
            AddTone(*mix, 12 * (octave + 1) + pitch, beat, beats, timing, instrument, volume);
        }
        beat += beats;
    }
    return beat;
}

}  // namespace

double PlayMelody(Mix& mix, const std::string& text, const Timing& timing,
                  const Instrument& instrument, bool& ok) {
    return WalkMelody(&mix, text, timing, instrument, ok);
}

double MelodyBeats(const std::string& text, bool& ok) {
    return WalkMelody(nullptr, text, Timing{}, Instrument{}, ok);
}

std::vector<int> ChordTones(const std::string& name) {
    if (name.empty()) {
        return {};
    }
    int root = Semitone(char(std::tolower(static_cast<unsigned char>(name[0]))));
    if (root < 0) {
        return {};
    }
    std::size_t at = 1;
    if (at < name.size() && (name[at] == '#' || name[at] == 'b')) {
        root += name[at] == '#' ? 1 : -1;
        ++at;
    }
    const std::string quality = name.substr(at);
    std::vector<int> tones = {root, root + (quality == "m" ? 3 : 4), root + 7};
    if (quality == "7") {
        tones.push_back(root + 10);
    }
    return tones;
}

void PlayBass(Mix& mix, const std::vector<std::string>& chords, const Timing& timing,
              const Instrument& instrument, int octave) {
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        const std::vector<int> tones = ChordTones(chords[bar]);
        if (tones.empty()) {
            continue;
        }
        const int root = 12 * (octave + 1) + tones[0];
        for (int step = 0; step < 8; ++step) {
            const int pitch = (step % 4 == 2) ? root + 12 : (step == 7 ? root + 7 : root);
            AddTone(mix, pitch, double(bar) * 4 + step * 0.5, 0.5, timing, instrument, 1.0);
        }
    }
}

void PlayArpeggio(Mix& mix, const std::vector<std::string>& chords, const Timing& timing,
                  const Instrument& instrument, int octave) {
    for (std::size_t bar = 0; bar < chords.size(); ++bar) {
        const std::vector<int> tones = ChordTones(chords[bar]);
        if (tones.empty()) {
            continue;
        }
        for (int step = 0; step < 16; ++step) {
            const int tone = tones[std::size_t(step) % tones.size()];
            const int lift = (step / int(tones.size())) % 2 == 1 ? 12 : 0;
            AddTone(mix, 12 * (octave + 1) + tone + lift, double(bar) * 4 + step * 0.25, 0.25,
                    timing, instrument, step % 4 == 0 ? 1.0 : 0.7);
        }
    }
}

void PlayDrums(Mix& mix, const std::string& pattern, int bars, const Timing& timing,
               double volume) {
    if (pattern.empty()) {
        return;
    }
    for (int bar = 0; bar < bars; ++bar) {
        for (std::size_t step = 0; step < pattern.size(); ++step) {
            const double beat = bar * 4.0 + double(step) * 4.0 / double(pattern.size());
            Note hit;
            hit.start = timing.Seconds(beat);
            hit.envelope = {0.001, 0.04, 0.0, 0.01};
            switch (pattern[step]) {
                case 'k':
                    hit.wave = Wave::Sine;
                    hit.frequency = 150;
                    hit.frequencyEnd = 45;
                    hit.length = 0.09;
                    hit.volume = volume * 1.4;
                    hit.envelope = {0.001, 0.08, 0.0, 0.01};
                    break;
                case 's':
                    hit.wave = Wave::Noise;
                    hit.frequency = 6000;
                    hit.length = 0.1;
                    hit.volume = volume * 0.7;
                    hit.envelope = {0.001, 0.09, 0.0, 0.01};
                    break;
                case 'h':
                    hit.wave = Wave::Noise;
                    hit.frequency = 16000;
                    hit.length = 0.03;
                    hit.volume = volume * 0.3;
                    hit.envelope = {0.001, 0.025, 0.0, 0.004};
                    break;
                default:
                    continue;
            }
            mix.Add(hit);
        }
    }
}

}  // namespace tarn::assetgen
