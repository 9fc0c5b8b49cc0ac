// The melody reader, chord names and the beat grid.
#include "assets/gen/Sequencer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarn::assetgen {
namespace {

double Peak(const Mix& mix, double from, double to) {
    double peak = 0;
    const auto first = std::size_t(from * mix.rate());
    const auto last = std::min(mix.samples().size(), std::size_t(to * mix.rate()));
    for (std::size_t i = first; i < last; ++i) {
        peak = std::max(peak, std::abs(mix.samples()[i]));
    }
    return peak;
}

TEST(Melody, LengthsDotsAndRestsAddUpInBeats) {
    Mix mix(8000, 4.0);
    bool ok = false;
    EXPECT_DOUBLE_EQ(PlayMelody(mix, "c4 d8 e8 r2", {120, 0}, {}, ok), 4.0);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(PlayMelody(mix, "l8 c c4. | r16 r16", {120, 0}, {}, ok), 2.5);
    EXPECT_DOUBLE_EQ(PlayMelody(mix, "c1", {120, 0}, {}, ok), 4.0);
}

TEST(Melody, RestIsSilentAndNotesSoundOnTheirBeats) {
    Mix mix(8000, 2.0);
    bool ok = false;
    PlayMelody(mix, "r4 c4", {120, 0}, {}, ok);  // half a second of rest, then a note
    EXPECT_EQ(Peak(mix, 0.0, 0.5), 0.0);
    EXPECT_GT(Peak(mix, 0.55, 0.8), 0.1);
}

TEST(Melody, EveryNoteFallsSilentBeforeItsSlotEnds) {
    Instrument slow;
    slow.gate = 1.0;
    slow.envelope = {0.001, 0.01, 0.8, 0.05};
    Mix mix(8000, std::size_t(4000), false);  // exactly one quarter at 120 beats per minute
    bool ok = false;
    PlayMelody(mix, "a4", {120, 0}, slow, ok);
    EXPECT_EQ(mix.samples().back(), 0.0);
    EXPECT_GT(Peak(mix, 0.1, 0.3), 0.1);
}

TEST(Melody, OctaveSharpAndFlatChangeThePitch) {
    // Count the cycles of a plain square in one second to read its frequency.
    auto frequency = [](const char* text) {
        Mix mix(44100, 2.0);
        Instrument plain;
        plain.gate = 1.0;
        plain.envelope = {0.0001, 0.0001, 1.0, 0.0001};
        bool ok = false;
        PlayMelody(mix, text, {30, 0}, plain, ok);  // a quarter lasts two seconds
        int rises = 0;
        for (std::size_t i = 22050; i < 66150; ++i) {
            rises += mix.samples()[i - 1] <= 0 && mix.samples()[i] > 0 ? 1 : 0;
        }
        return rises;
    };
    EXPECT_NEAR(frequency("o4 a4"), 440, 2);
    EXPECT_NEAR(frequency("o5 a4"), 880, 2);
    EXPECT_NEAR(frequency("o4 > a4"), 880, 2);
    EXPECT_NEAR(frequency("o4 a+4"), 466, 2);
    EXPECT_NEAR(frequency("o4 b-4"), 466, 2);
}

TEST(Melody, BeatsAreMeasuredWithoutPlaying) {
    bool ok = false;
    EXPECT_DOUBLE_EQ(MelodyBeats("o5 l8 c d e4 r2", ok), 4.0);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(MelodyBeats("", ok), 0.0);
    MelodyBeats("c4 q", ok);
    EXPECT_FALSE(ok);
}

TEST(Melody, UnknownCharacterIsReported) {
    Mix mix(8000, 1.0);
    bool ok = true;
    PlayMelody(mix, "c4 x4", {120, 0}, {}, ok);
    EXPECT_FALSE(ok);
    PlayMelody(mix, "o c", {120, 0}, {}, ok);
    EXPECT_FALSE(ok);
}

TEST(Chords, NamesGiveTheirTones) {
    EXPECT_EQ(ChordTones("C"), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(ChordTones("Em"), (std::vector<int>{4, 7, 11}));
    EXPECT_EQ(ChordTones("F#m"), (std::vector<int>{6, 9, 13}));
    EXPECT_EQ(ChordTones("Bb"), (std::vector<int>{10, 14, 17}));
    EXPECT_EQ(ChordTones("D7"), (std::vector<int>{2, 6, 9, 12}));
    EXPECT_TRUE(ChordTones("").empty());
    EXPECT_TRUE(ChordTones("H").empty());
}

TEST(Chords, BassAndArpeggioFillTheirBarsAndEndSilent) {
    Mix mix(8000, std::size_t(32000), false);  // two bars at 120 beats per minute
    Instrument voice;
    voice.envelope = {0.001, 0.01, 0.8, 0.01};
    PlayBass(mix, {"C", "G"}, {120, 0}, voice, 2);
    PlayArpeggio(mix, {"C", "G"}, {120, 0}, voice, 4);
    EXPECT_GT(Peak(mix, 0.0, 0.25), 0.1);
    EXPECT_GT(Peak(mix, 3.5, 3.9), 0.1);
    EXPECT_EQ(mix.samples().back(), 0.0);
}

TEST(Drums, PatternPlacesHitsOnSixteenths) {
    Mix mix(8000, 2.0);
    PlayDrums(mix, "k...............", 1, {120, 0}, 0.5);
    EXPECT_GT(Peak(mix, 0.0, 0.05), 0.05);
    EXPECT_EQ(Peak(mix, 0.5, 2.0), 0.0);
}

}  // namespace
}  // namespace tarn::assetgen
