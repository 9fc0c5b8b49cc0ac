// The sound mixer.
#include <gtest/gtest.h>

#include "game/platform/Mixer.h"

namespace tarn::game {
namespace {

std::vector<float> Ramp(std::size_t n, float value = 0.25f) {
    return std::vector<float>(n, value);
}

TEST(MixerTest, PlayOnceRunsToTheEndAndStartsOverNextTime) {
    Mixer mixer;
    mixer.SetSamples(SoundId::coin, Ramp(100));
    mixer.Apply(SoundId::coin, SoundOp::Play);
    std::vector<float> out(2 * 60);
    mixer.Mix(out.data(), 60, 2);
    EXPECT_TRUE(mixer.Playing(SoundId::coin));
    EXPECT_FLOAT_EQ(out[0], 0.25f);
    EXPECT_EQ(mixer.Position(SoundId::coin), 60u);
    mixer.Mix(out.data(), 60, 2);
    EXPECT_FALSE(mixer.Playing(SoundId::coin));
    EXPECT_FLOAT_EQ(out[2 * 39], 0.25f);
    EXPECT_FLOAT_EQ(out[2 * 40], 0.0f);
    EXPECT_EQ(mixer.Position(SoundId::coin), 0u);
}

TEST(MixerTest, PlayWhilePlayingDoesNotRestart) {
    Mixer mixer;
    mixer.SetSamples(SoundId::oneUp, Ramp(1000));
    mixer.Apply(SoundId::oneUp, SoundOp::Play);
    std::vector<float> out(100);
    mixer.Mix(out.data(), 100, 1);
    mixer.Apply(SoundId::oneUp, SoundOp::Play);
    EXPECT_EQ(mixer.Position(SoundId::oneUp), 100u);
}

TEST(MixerTest, StopKeepsThePositionAndRewindClearsIt) {
    Mixer mixer;
    mixer.SetSamples(SoundId::bgn, Ramp(1000));
    mixer.Apply(SoundId::bgn, SoundOp::PlayLooping);
    std::vector<float> out(300);
    mixer.Mix(out.data(), 300, 1);
    mixer.Apply(SoundId::bgn, SoundOp::Stop);
    mixer.Mix(out.data(), 300, 1);
    EXPECT_FALSE(mixer.Playing(SoundId::bgn));
    EXPECT_EQ(mixer.Position(SoundId::bgn), 300u);
    EXPECT_FLOAT_EQ(out[0], 0.0f);
    mixer.Apply(SoundId::bgn, SoundOp::Rewind);
    EXPECT_EQ(mixer.Position(SoundId::bgn), 0u);
}

TEST(MixerTest, LoopingWrapsAround) {
    Mixer mixer;
    mixer.SetSamples(SoundId::timep, Ramp(50));
    mixer.Apply(SoundId::timep, SoundOp::PlayLooping);
    std::vector<float> out(120);
    mixer.Mix(out.data(), 120, 1);
    EXPECT_TRUE(mixer.Playing(SoundId::timep));
    EXPECT_EQ(mixer.Position(SoundId::timep), 20u);
    EXPECT_FLOAT_EQ(out[119], 0.25f);
}

TEST(MixerTest, QuietSoundsMixAsTheirPlainSum) {
    Mixer mixer;
    for (int i = 0; i < kSoundCount; ++i) {
        mixer.SetSamples(SoundId(i), Ramp(10, 0.05f));
        mixer.Apply(SoundId(i), SoundOp::Play);
    }
    EXPECT_FLOAT_EQ(mixer.MasterGain(), 1.0f);  // never louder than the sounds are
    std::vector<float> out(10);
    mixer.Mix(out.data(), 10, 1);
    EXPECT_NEAR(out[0], 0.75f, 1e-5);
}

// The music and its three loudest effects at their peaks at the same moment.
TEST(MixerTest, MusicAndTheThreeLoudestEffectsStayWithinFullScale) {
    Mixer mixer;
    mixer.SetSamples(SoundId::bgn, Ramp(10, 0.9f));
    mixer.SetSamples(SoundId::bg, Ramp(10, -0.85f));
    mixer.SetSamples(SoundId::coin, Ramp(10, 0.9f));
    mixer.SetSamples(SoundId::jump01, Ramp(10, 0.8f));
    mixer.SetSamples(SoundId::break_, Ramp(10, -0.8f));
    mixer.SetSamples(SoundId::tded, Ramp(10, 0.5f));
    EXPECT_NEAR(mixer.MasterGain(), 1.0f / (0.9f + 0.9f + 0.8f + 0.8f), 1e-6);
    for (const SoundId id : {SoundId::bgn, SoundId::coin, SoundId::jump01, SoundId::tded}) {
        mixer.Apply(id, SoundOp::Play);
    }
    std::vector<float> out(10);
    mixer.Mix(out.data(), 10, 1);
    const float sum = (0.9f + 0.9f + 0.8f + 0.5f) * mixer.MasterGain();
    EXPECT_LT(sum, 1.0f);
    EXPECT_FLOAT_EQ(out[0], SoftLimit(sum));
}

TEST(MixerTest, EverySoundAtOnceIsBentBelowFullScaleNotClipped) {
    Mixer mixer;
    for (int i = 0; i < kSoundCount; ++i) {
        mixer.SetSamples(SoundId(i), Ramp(10, 0.9f));
        mixer.Apply(SoundId(i), SoundOp::Play);
    }
    std::vector<float> out(10);
    mixer.Mix(out.data(), 10, 1);
    // Fifteen sounds are 3.75 times what the master gain leaves room for.
    EXPECT_GT(out[0], 0.95f);
    EXPECT_LE(out[0], 1.0f);
}

TEST(SoftLimitTest, LeavesQuietSamplesAloneAndBendsLoudOnesSmoothly) {
    EXPECT_FLOAT_EQ(SoftLimit(0.5f), 0.5f);
    EXPECT_FLOAT_EQ(SoftLimit(-0.8f), -0.8f);
    // Up to 30% more than the master gain leaves room for.
    float previous = SoftLimit(0.8f);
    for (float x = 0.81f; x <= 1.3f; x += 0.01f) {
        const float y = SoftLimit(x);
        EXPECT_GT(y, previous) << x;             // still rising: no flat top
        EXPECT_LT(y, std::min(x, 0.999f)) << x;  // below full scale, and below the input
        EXPECT_FLOAT_EQ(SoftLimit(-x), -y);
        previous = y;
    }
}

TEST(MixerTest, MusicAndEffectsVolumesScaleTheirOwnSounds) {
    Mixer mixer;
    mixer.SetSamples(SoundId::bgn, Ramp(10, 0.2f));
    mixer.SetSamples(SoundId::coin, Ramp(10, 0.1f));
    mixer.SetVolumes(50, 100);
    mixer.Apply(SoundId::bgn, SoundOp::Play);
    std::vector<float> out(10);
    mixer.Mix(out.data(), 10, 1);
    EXPECT_NEAR(out[0], 0.2f * 0.25f, 1e-6);

    mixer.SetVolumes(100, 0);
    mixer.Apply(SoundId::bgn, SoundOp::Stop);
    mixer.Apply(SoundId::coin, SoundOp::Play);
    mixer.Mix(out.data(), 10, 1);
    EXPECT_FLOAT_EQ(out[0], 0.0f);
    EXPECT_FALSE(mixer.Playing(SoundId::coin)) << "a silenced effect still runs its course";
}

TEST(VolumeGainTest, RunsFromSilenceToFullAndKeepsToItsRange) {
    EXPECT_FLOAT_EQ(VolumeGain(0), 0.0f);
    EXPECT_FLOAT_EQ(VolumeGain(100), 1.0f);
    EXPECT_FLOAT_EQ(VolumeGain(50), 0.25f);
    EXPECT_FLOAT_EQ(VolumeGain(-5), 0.0f);
    EXPECT_FLOAT_EQ(VolumeGain(250), 1.0f);
}

}  // namespace
}  // namespace tarn::game
