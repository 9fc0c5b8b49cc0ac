// Wave files: RIFF WAVE with PCM samples. The game reads 8- or 16-bit files of one or two
// channels into mono samples; the asset generator writes 8- or 16-bit mono files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarn {

// Mono samples in -1..1 at `rate` samples per second.
struct Wave {
    int rate = 0;
    std::vector<float> samples;
};

// The largest wave file read: four minutes of 16-bit stereo at 44.1 kHz fit.
inline constexpr std::uintmax_t kMaxWaveFileBytes = 64u * 1024 * 1024;

// Decodes 8- or 16-bit PCM of one or two channels (mixed down to mono). A chunk that
// claims more bytes than follow is cut at the end of the bytes. False with a reason.
bool DecodeWave(const std::vector<std::uint8_t>& bytes, Wave& wave, std::string& reason);
// Reads and decodes a wave file. Only a regular file of at most kMaxWaveFileBytes is
// read, so a pipe or a device cannot block the caller.
bool ReadWave(const std::filesystem::path& file, Wave& wave, std::string& reason);

// The samples at another rate (linear interpolation).
std::vector<float> Resample(const Wave& wave, int rate);

// The bytes of a mono PCM file of `samples` (-1..1, clipped) at `rate` and `bits` (8, 16).
std::vector<std::uint8_t> EncodeWave(const std::vector<double>& samples, int rate, int bits);
// Writes them; the file is replaced whole or, on failure, left as it was.
bool WriteWave(const std::filesystem::path& file, const std::vector<double>& samples, int rate,
               int bits, std::string& error);

// The format fields of a wave file as its header states them.
struct WaveFormat {
    int formatTag = 0;
    int channels = 0;
    int rate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    std::size_t dataBytes = 0;
    std::size_t dataOffset = 0;
};
// Reads the header strictly, for checking written files: false unless a "fmt " chunk comes
// before the first "data" chunk and no chunk up to it claims more bytes than follow.
bool ReadWaveFormat(const std::vector<std::uint8_t>& bytes, WaveFormat& format);

}  // namespace tarn
