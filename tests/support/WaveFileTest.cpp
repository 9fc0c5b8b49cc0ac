// Wave files: decoding what the game plays, encoding what the asset generator writes,
// strict header reading, and files that are damaged, too large or no files at all.
#include "support/WaveFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>
#include <chrono>
#include <future>

#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::ScratchDir;

// A wave file of PCM samples written field by field, so that every field can be damaged.
std::vector<std::uint8_t> WaveBytes(int bits, int channels, const std::vector<int>& samples,
                                    int rate = 22050) {
    std::vector<std::uint8_t> b;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
    };
    const auto u16 = [&](int v) {
        b.push_back(static_cast<std::uint8_t>(v & 0xFF));
        b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    };
    const std::uint32_t dataSize = std::uint32_t(samples.size() * std::size_t(bits / 8));
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    u32(36 + dataSize);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(16);
    u16(1);
    u16(channels);
    u32(std::uint32_t(rate));
    u32(std::uint32_t(rate) * std::uint32_t(channels * bits / 8));
    u16(channels * bits / 8);
    u16(bits);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    u32(dataSize);
    for (const int s : samples) {
        if (bits == 8) {
            b.push_back(static_cast<std::uint8_t>(s));
        } else {
            u16(s);
        }
    }
    return b;
}

// The decoded wave; a failure to decode fails the test.
Wave Decoded(const std::vector<std::uint8_t>& bytes) {
    Wave wave;
    std::string reason;
    EXPECT_TRUE(DecodeWave(bytes, wave, reason)) << reason;
    return wave;
}

std::string Reason(const std::vector<std::uint8_t>& bytes) {
    Wave wave;
    std::string reason;
    EXPECT_FALSE(DecodeWave(bytes, wave, reason));
    return reason;
}

TEST(WaveDecoding, EightAndSixteenBitSamplesBecomeMonoInMinusOneToOne) {
    Wave wave = Decoded(WaveBytes(8, 1, {128, 255, 0}));
    EXPECT_EQ(wave.rate, 22050);
    ASSERT_EQ(wave.samples.size(), 3u);
    EXPECT_FLOAT_EQ(wave.samples[0], 0.0f);
    EXPECT_FLOAT_EQ(wave.samples[1], 127.0f / 128.0f);
    EXPECT_FLOAT_EQ(wave.samples[2], -1.0f);
    wave = Decoded(WaveBytes(16, 2, {16384, 0, -32768, -32768}));
    ASSERT_EQ(wave.samples.size(), 2u);
    EXPECT_FLOAT_EQ(wave.samples[0], 0.25f);
    EXPECT_FLOAT_EQ(wave.samples[1], -1.0f);
}

TEST(WaveDecoding, ReadsBackWhatTheEncoderWrote) {
    const Wave wave = Decoded(EncodeWave({0.0, 0.5, -1.0}, 11025, 16));
    EXPECT_EQ(wave.rate, 11025);
    ASSERT_EQ(wave.samples.size(), 3u);
    EXPECT_NEAR(wave.samples[1], 0.5f, 1e-4);
    EXPECT_NEAR(wave.samples[2], -1.0f, 1e-4);
}

TEST(WaveDecoding, ChunksBeforeTheSamplesAreSkipped) {
    auto bytes = WaveBytes(8, 1, {200, 50});
    const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 36, list.begin(), list.end());
    EXPECT_EQ(Decoded(bytes).samples.size(), 2u);
}

TEST(WaveDecoding, FileCutInsideItsSamplesPlaysTheSamplesItHas) {
    auto bytes = WaveBytes(16, 1, {1000, 2000, 3000});
    bytes.resize(bytes.size() - 3);  // one whole sample and half of the next remain
    EXPECT_EQ(Decoded(bytes).samples.size(), 1u);
}

TEST(WaveDecoding, SizesPointingFarPastTheEndStayInsideTheBytes) {
    auto bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[4] = 0xFF;
    bytes[40] = 0xFF;
    bytes[41] = 0xFF;
    EXPECT_EQ(Decoded(bytes).samples.size(), 3u);
}

TEST(WaveDecoding, FileCutInsideItsHeaderIsRefused) {
    auto bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes.resize(30);
    EXPECT_EQ(Reason(bytes), "not 8- or 16-bit PCM with one or two channels");
    bytes.resize(8);
    EXPECT_EQ(Reason(bytes), "not a RIFF WAVE file");
    EXPECT_EQ(Reason({}), "not a RIFF WAVE file");
}

TEST(WaveDecoding, OtherFormatsAreRefusedWithAReason) {
    const std::string pcm = "not 8- or 16-bit PCM with one or two channels";
    auto bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[34] = 12;  // 12 bits per sample
    EXPECT_EQ(Reason(bytes), pcm);
    bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[20] = 3;  // floating-point samples
    EXPECT_EQ(Reason(bytes), pcm);
    EXPECT_EQ(Reason(WaveBytes(8, 3, {1, 2, 3})), pcm);
    EXPECT_EQ(Reason(WaveBytes(8, 1, {1, 2, 3}, 500)), pcm);
    bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[0] = 'X';
    EXPECT_EQ(Reason(bytes), "not a RIFF WAVE file");
    bytes = WaveBytes(8, 1, {1, 2, 3});
    bytes[36] = 'x';  // the data chunk is no longer called so
    EXPECT_EQ(Reason(bytes), "no sample data");
}

TEST(WaveReading, ReadsAFileTheEncoderWrote) {
    ScratchDir dir;
    std::string error;
    ASSERT_TRUE(WriteWave(dir / "a.wav", {0.0, 0.25, 0.5}, 8000, 8, error)) << error;
    Wave wave;
    std::string reason;
    ASSERT_TRUE(ReadWave(dir / "a.wav", wave, reason)) << reason;
    EXPECT_EQ(wave.rate, 8000);
    EXPECT_EQ(wave.samples.size(), 3u);
}

TEST(WaveReading, MissingFileFolderAndTooLargeFileAreToldApart) {
    ScratchDir dir;
    Wave wave;
    std::string reason;
    EXPECT_FALSE(ReadWave(dir / "none.wav", wave, reason));
    EXPECT_EQ(reason, "no such file");
    EXPECT_FALSE(ReadWave(dir.path(), wave, reason));
    EXPECT_EQ(reason, "not a regular file but a folder");
    { std::ofstream(dir / "huge.wav").put('R'); }
    std::filesystem::resize_file(dir / "huge.wav", kMaxWaveFileBytes + 1);  // sparse
    EXPECT_FALSE(ReadWave(dir / "huge.wav", wave, reason));
    EXPECT_EQ(reason, "the file is larger than 64 MB");
}

TEST(WaveReading, PipeIsRefusedWithoutWaitingForAWriter) {
    ScratchDir dir;
    const auto pipe = dir / "pipe.wav";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] {
        Wave wave;
        std::string reason;
        const bool ok = ReadWave(pipe, wave, reason);
        return ok ? std::string("read") : reason;
    });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A blocked reader is let go by a writer that comes and goes.
        const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            ::close(writer);
        }
        ADD_FAILURE() << "reading the pipe blocked";
    }
    EXPECT_EQ(reading.get(), "not a regular file but a pipe");
}

TEST(WaveReading, FailedWriteSaysSoAndLeavesNoFile) {
    ScratchDir dir;
    std::string error;
    EXPECT_FALSE(WriteWave(dir / "no-folder" / "a.wav", {0.0}, 8000, 8, error));
    EXPECT_NE(error.find("a.wav: No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir / "no-folder"));
}

TEST(WaveResampling, KeepsTheDuration) {
    Wave wave;
    wave.rate = 11025;
    wave.samples = std::vector<float>(11025, 0.25f);
    EXPECT_EQ(Resample(wave, 44100).size(), 44100u);
    EXPECT_EQ(Resample(wave, 11025), wave.samples);
}

TEST(WaveEncoding, EightBitHeaderReadsBackWithItsFormat) {
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

TEST(WaveEncoding, EightBitSamplesAreUnsignedAroundOneHundredTwentyEight) {
    const auto bytes = EncodeWave({0.0, 1.0, -1.0, 3.0}, 11025, 8);
    WaveFormat format;
    ASSERT_TRUE(ReadWaveFormat(bytes, format));
    EXPECT_EQ(bytes[format.dataOffset], 128);
    EXPECT_EQ(bytes[format.dataOffset + 1], 255);
    EXPECT_EQ(bytes[format.dataOffset + 2], 1);
    EXPECT_EQ(bytes[format.dataOffset + 3], 255);  // clipped
}

TEST(WaveEncoding, OddEightBitDataIsPaddedToAnEvenChunk) {
    const auto bytes = EncodeWave({0.0, 0.0, 0.0}, 22050, 8);
    EXPECT_EQ(bytes.size(), 44u + 3 + 1);
    const std::uint32_t riffSize = bytes[4] | (bytes[5] << 8) | (bytes[6] << 16) | (bytes[7] << 24);
    EXPECT_EQ(riffSize, bytes.size() - 8);
}

TEST(WaveEncoding, SixteenBitSamplesAreSignedLittleEndian) {
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

TEST(WaveEncoding, StrictHeaderReadingRefusesDamagedHeaders) {
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
    auto cutSamples = bytes;
    cutSamples.pop_back();  // the decoder would play it; the strict reader refuses it
    EXPECT_FALSE(ReadWaveFormat(cutSamples, format));
}

}  // namespace
}  // namespace tarn
