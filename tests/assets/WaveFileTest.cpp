// WAVE encoding and header reading.
#include "assets/gen/WaveFile.h"

#include <gtest/gtest.h>

namespace tarn::assetgen {
namespace {

TEST(WaveFile, EightBitHeaderReadsBackWithItsFormat) {
    const auto bytes = EncodeWave({0.0, 0.5, -0.5}, 22050, 8);
    WaveFormat format;
    ASSERT_TRUE(ReadWaveFormat(bytes, format));
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 1);
    EXPECT_EQ(format.rate, 22050);
    EXPECT_EQ(format.bits, 8);
    EXPECT_EQ(format.blockAlign, 1);
    EXPECT_EQ(format.byteRate, 22050);
    EXPECT_EQ(format.dataBytes, 3u);
}

TEST(WaveFile, EightBitSamplesAreUnsignedAroundOneHundredTwentyEight) {
    const auto bytes = EncodeWave({0.0, 1.0, -1.0, 3.0}, 11025, 8);
    WaveFormat format;
    ASSERT_TRUE(ReadWaveFormat(bytes, format));
    EXPECT_EQ(bytes[format.dataOffset], 128);
    EXPECT_EQ(bytes[format.dataOffset + 1], 255);
    EXPECT_EQ(bytes[format.dataOffset + 2], 1);
    EXPECT_EQ(bytes[format.dataOffset + 3], 255);  // clipped
}

TEST(WaveFile, OddEightBitDataIsPaddedToAnEvenChunk) {
    const auto bytes = EncodeWave({0.0, 0.0, 0.0}, 22050, 8);
    EXPECT_EQ(bytes.size(), 44u + 3 + 1);
    const std::uint32_t riffSize = bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) | (bytes[7] << 24);
    EXPECT_EQ(riffSize, bytes.size() - 8);
}

TEST(WaveFile, SixteenBitSamplesAreSignedLittleEndian) {
    const auto bytes = EncodeWave({1.0, -1.0}, 44100, 16);
    WaveFormat format;
    ASSERT_TRUE(ReadWaveFormat(bytes, format));
    EXPECT_EQ(format.blockAlign, 2);
    EXPECT_EQ(format.byteRate, 88200);
    EXPECT_EQ(format.dataBytes, 4u);
    const auto at = format.dataOffset;
    EXPECT_EQ(std::int16_t(bytes[at] | (bytes[at + 1] << 8)), 32767);
    EXPECT_EQ(std::int16_t(bytes[at + 2] | (bytes[at + 3] << 8)), -32767);
}

TEST(WaveFile, DamagedHeadersAreRefused) {
    WaveFormat format;
    EXPECT_FALSE(ReadWaveFormat({}, format));
    auto bytes = EncodeWave({0.0, 0.0}, 22050, 8);
    auto notRiff = bytes;
    notRiff[0] = 'X';
    EXPECT_FALSE(ReadWaveFormat(notRiff, format));
    auto truncated = bytes;
    truncated.resize(30);  // inside the format chunk
    EXPECT_FALSE(ReadWaveFormat(truncated, format));
    auto oversized = bytes;
    oversized[16] = 0xFF;  // format chunk claims more bytes than the file has
    oversized[17] = 0xFF;
    EXPECT_FALSE(ReadWaveFormat(oversized, format));
}

}  // namespace
}  // namespace tarn::assetgen
