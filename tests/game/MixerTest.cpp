// The sound mixer and wave files.
#include <gtest/gtest.h>

#include "game/platform/Mixer.h"
#include "game/platform/WaveFile.h"

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

std::vector<unsigned char> WaveBytes(int bits, int channels, const std::vector<int>& samples) {
    std::vector<unsigned char> b;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    const auto u16 = [&](int v) {
        b.push_back(static_cast<unsigned char>(v & 0xFF));
        b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    };
    const std::uint32_t dataSize = std::uint32_t(samples.size() * std::size_t(bits / 8));
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    u32(36 + dataSize);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(16);
    u16(1);
    u16(channels);
    u32(22050);
    u32(22050u * std::uint32_t(channels * bits / 8));
    u16(channels * bits / 8);
    u16(bits);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    u32(dataSize);
    for (const int s : samples) {
        if (bits == 8) {
            b.push_back(static_cast<unsigned char>(s));
        } else {
            u16(s);
        }
    }
    return b;
}

TEST(WaveFileTest, DecodesEightAndSixteenBitSamples) {
    Wave wave;
    std::string reason;
    ASSERT_TRUE(DecodeWave(WaveBytes(8, 1, {128, 255, 0}), wave, reason)) << reason;
    EXPECT_EQ(wave.rate, 22050);
    ASSERT_EQ(wave.samples.size(), 3u);
    EXPECT_FLOAT_EQ(wave.samples[0], 0.0f);
    EXPECT_FLOAT_EQ(wave.samples[2], -1.0f);
    ASSERT_TRUE(DecodeWave(WaveBytes(16, 2, {16384, 0, -32768, -32768}), wave, reason));
    ASSERT_EQ(wave.samples.size(), 2u);
    EXPECT_FLOAT_EQ(wave.samples[0], 0.25f);
    EXPECT_FLOAT_EQ(wave.samples[1], -1.0f);
}

TEST(WaveFileTest, RejectsDamagedFilesWithAReason) {
    Wave wave;
    std::string reason;
    EXPECT_FALSE(DecodeWave({'R', 'I', 'F', 'F'}, wave, reason));
    auto bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[34] = 12;  // 12 bits per sample
    EXPECT_FALSE(DecodeWave(bytes, wave, reason));
    bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[4] = 0xFF;  // sizes pointing far past the end stay inside the bytes
    bytes[40] = 0xFF;
    bytes[41] = 0xFF;
    EXPECT_TRUE(DecodeWave(bytes, wave, reason));
    EXPECT_EQ(wave.samples.size(), 3u);
    EXPECT_FALSE(ReadWave("/nonexistent/x.wav", wave, reason));
}

TEST(WaveFileTest, ResamplingKeepsTheDuration) {
    Wave wave;
    wave.rate = 11025;
    wave.samples = Ramp(11025);
    EXPECT_EQ(Resample(wave, 44100).size(), 44100u);
}

}  // namespace
}  // namespace tarn::game
