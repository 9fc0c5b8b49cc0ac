// The stage music and the table of sounds.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "assets/gen/Sounds.h"

namespace tarn::assetgen {
namespace {

double LoudestIn(const std::vector<double>& samples, std::size_t from, std::size_t to) {
    double loudest = 0;
    for (std::size_t i = from; i < to; ++i) {
        loudest = std::max(loudest, std::abs(samples[i]));
    }
    return loudest;
}

TEST(StageMusic, LastsAWholeNumberOfBars) {
    for (double bpm : {kStageTempo, kHurryTempo}) {
        const Mix music = StageMusic(44100, bpm);
        const double bars = music.Seconds() / (4 * 60.0 / bpm);
        EXPECT_NEAR(bars, kStageBars, 1e-6) << bpm;
    }
}

TEST(StageMusic, IsQuietAroundTheLoopPoint) {
    const Mix music = StageMusic(44100, kStageTempo);
    const auto& samples = music.samples();
    ASSERT_GT(samples.size(), 1000u);
    // The last beat is a rest in every voice, and every note starts from silence.
    EXPECT_LT(LoudestIn(samples, samples.size() - 20, samples.size()), 0.01);
    EXPECT_LT(LoudestIn(samples, 0, 3), 0.05);
    EXPECT_GT(LoudestIn(samples, 0, samples.size()), 0.5);
}

TEST(StageMusic, HurryUpVersionIsTheSameTuneFaster) {
    const Mix stage = StageMusic(22050, kStageTempo);
    const Mix hurry = StageMusic(22050, kHurryTempo);
    EXPECT_NEAR(hurry.Seconds() / stage.Seconds(), kStageTempo / kHurryTempo, 1e-6);
}

TEST(SoundTable, NamesTheFifteenSoundsOnceEach) {
    std::set<std::string> names;
    for (const SoundDefinition& sound : SoundTable()) {
        names.insert(sound.name);
        EXPECT_TRUE(sound.bits == 8 || sound.bits == 16) << sound.name;
    }
    EXPECT_EQ(SoundTable().size(), 15u);
    EXPECT_EQ(names.size(), 15u);
}

TEST(SoundTable, EveryEffectIsShortAndFitsItsRange) {
    for (const SoundDefinition& sound : SoundTable()) {
        if (sound.name == "bgn" || sound.name == "bg") {
            continue;
        }
        const Mix mix = sound.make(sound.rate);
        EXPECT_GT(mix.Seconds(), 0.03) << sound.name;
        EXPECT_LT(mix.Seconds(), 8.0) << sound.name;
        EXPECT_LE(LoudestIn(mix.samples(), 0, mix.samples().size()), 1.0) << sound.name;
        // Every effect has died away before its file ends, so it stops without a click.
        EXPECT_LT(std::abs(mix.samples().back()), 0.01) << sound.name;
    }
}

// Headroom and DC: the mixer adds several sounds over the music, so none may reach full
// scale, and an offset would eat the room left and thump where a sound starts and stops.
TEST(SoundTable, EverySoundIsFreeOfDcAndLeavesHeadroom) {
    for (const SoundDefinition& sound : SoundTable()) {
        const Mix mix = sound.make(sound.rate);
        const auto& samples = mix.samples();
        double sum = 0;
        for (const double sample : samples) {
            sum += sample;
        }
        EXPECT_LT(std::abs(sum / double(samples.size())), 0.01) << sound.name;
        EXPECT_LE(LoudestIn(samples, 0, samples.size()), 0.9) << sound.name;
    }
}

}  // namespace
}  // namespace tarn::assetgen
