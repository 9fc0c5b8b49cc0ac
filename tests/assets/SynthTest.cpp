// Envelopes, oscillators and mixing of the synthesiser.
#include "assets/gen/Synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarn::assetgen {
namespace {

double Peak(const std::vector<double>& samples, std::size_t from, std::size_t to) {
    double peak = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(samples[i]));
    }
    return peak;
}

TEST(Envelope, RisesHoldsAndFallsToSilence) {
    const Envelope envelope{0.01, 0.02, 0.5, 0.04};
    EXPECT_DOUBLE_EQ(EnvelopeLevel(envelope, 0.1, 0.0), 0.0);
    EXPECT_NEAR(EnvelopeLevel(envelope, 0.1, 0.005), 0.5, 1e-9);
    EXPECT_NEAR(EnvelopeLevel(envelope, 0.1, 0.01), 1.0, 1e-9);
    EXPECT_NEAR(EnvelopeLevel(envelope, 0.1, 0.05), 0.5, 1e-9);
    EXPECT_NEAR(EnvelopeLevel(envelope, 0.1, 0.12), 0.25, 1e-9);
    EXPECT_DOUBLE_EQ(EnvelopeLevel(envelope, 0.1, 0.14), 0.0);
    EXPECT_DOUBLE_EQ(EnvelopeLevel(envelope, 0.1, -1.0), 0.0);
}

TEST(NoteFrequency, FollowsEqualTemperamentFromA440) {
    EXPECT_DOUBLE_EQ(NoteFrequency(69), 440.0);
    EXPECT_NEAR(NoteFrequency(81), 880.0, 1e-9);
    EXPECT_NEAR(NoteFrequency(60), 261.6256, 1e-3);
}

TEST(Mix, NoteSoundsOnlyFromItsStartUntilItsReleaseEnds) {
    Mix mix(1000, 1.0);
    Note note;
    note.start = 0.2;
    note.length = 0.3;
    note.frequency = 50;
    note.envelope = {0.001, 0.01, 1.0, 0.1};
    mix.Add(note);
    const auto& samples = mix.samples();
    EXPECT_EQ(Peak(samples, 0, 200), 0.0);
    EXPECT_GT(Peak(samples, 250, 450), 0.4);
    EXPECT_EQ(Peak(samples, 601, 1000), 0.0);
}

TEST(Mix, SquareWaveFollowsItsDuty) {
    Mix mix(1000, 1.0);
    Note note;
    note.length = 1.0;
    note.frequency = 10;  // 100 samples per cycle
    note.duty = 0.25;
    note.volume = 1.0;
    note.envelope = {0.0001, 0.0001, 1.0, 0.0001};
    mix.Add(note);
    int positive = 0;
    for (std::size_t i = 100; i < 200; ++i) {
        positive += mix.samples()[i] > 0 ? 1 : 0;
    }
    EXPECT_NEAR(positive, 25, 2);
}

TEST(Mix, PulseOfAnyDutyAveragesToZero) {
    for (const double duty : {0.125, 0.25, 0.5, 0.75}) {
        Mix mix(1000, 1.0);
        Note note;
        note.length = 1.0;
        note.frequency = 5;  // cycles of 200 samples, a whole number of them high
        note.duty = duty;
        note.volume = 1.0;
        note.envelope = {0.0001, 0.0001, 1.0, 0.0001};
        mix.Add(note);
        double sum = 0;
        for (std::size_t i = 200; i < 1000; ++i) {
            sum += mix.samples()[i];
        }
        EXPECT_NEAR(sum / 800, 0.0, 1e-3) << duty;
        // The two levels stay 2 apart, as for a pulse between -1 and 1.
        const auto [low, high] =
            std::minmax_element(mix.samples().begin() + 200, mix.samples().begin() + 1000);
        EXPECT_NEAR(*high - *low, 2.0, 1e-3) << duty;
    }
}

TEST(Mix, LoopingMixFoldsItsOverhangOntoTheStart) {
    Mix looping(1000, 1.0, true);
    Mix plain(1000, 1.0, false);
    Note note;
    note.start = 0.9;
    note.length = 0.3;
    note.frequency = 50;
    note.envelope = {0.001, 0.01, 1.0, 0.01};
    looping.Add(note);
    plain.Add(note);
    EXPECT_GT(Peak(looping.samples(), 0, 150), 0.4);
    EXPECT_EQ(Peak(plain.samples(), 0, 150), 0.0);
}

TEST(Mix, NormaliseScalesTheLoudestSampleToThePeak) {
    Mix mix(1000, 0.5);
    Note note;
    note.length = 0.4;
    note.frequency = 20;
    note.volume = 0.2;
    mix.Add(note);
    mix.Normalise(0.8);
    EXPECT_NEAR(Peak(mix.samples(), 0, mix.samples().size()), 0.8, 1e-9);
}

TEST(Mix, NoiseVoiceIsNotPeriodicLikeASquare) {
    Mix mix(8000, 0.5);
    Note note;
    note.wave = Wave::Noise;
    note.length = 0.5;
    note.frequency = 4000;
    note.volume = 1.0;
    note.envelope = {0.0001, 0.0001, 1.0, 0.0001};
    mix.Add(note);
    int changes = 0;
    for (std::size_t i = 1; i < mix.samples().size(); ++i) {
        changes += (mix.samples()[i] > 0) != (mix.samples()[i - 1] > 0) ? 1 : 0;
    }
    // A 4000 Hz square would change sign every sample; noise changes about half as often.
    EXPECT_GT(changes, 400);
    EXPECT_LT(changes, 3600);
}

}  // namespace
}  // namespace tarn::assetgen
