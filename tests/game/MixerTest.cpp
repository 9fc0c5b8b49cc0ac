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

TEST(MixerTest, AllFifteenSoundTogetherAndTheSumIsClipped) {
    Mixer mixer;
    for (int i = 0; i < kSoundCount; ++i) {
        mixer.SetSamples(SoundId(i), Ramp(10, 0.05f));
        mixer.Apply(SoundId(i), SoundOp::Play);
    }
    std::vector<float> out(10);
    mixer.Mix(out.data(), 10, 1);
    EXPECT_NEAR(out[0], 0.75f, 1e-5);
    for (int i = 0; i < kSoundCount; ++i) {
        mixer.SetSamples(SoundId(i), Ramp(10, 0.5f));
        mixer.Apply(SoundId(i), SoundOp::Play);
    }
    mixer.Mix(out.data(), 10, 1);
    EXPECT_FLOAT_EQ(out[0], 1.0f);
}

}  // namespace
}  // namespace tarn::game
