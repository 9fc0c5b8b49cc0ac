// Mono PCM WAVE files: 8-bit unsigned or 16-bit signed samples.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarn::assetgen {

// The bytes of a WAVE file holding `samples` (-1..1, clipped) at `rate` and `bits` (8, 16).
std::vector<std::uint8_t> EncodeWave(const std::vector<double>& samples, int rate, int bits);
bool WriteWave(const std::filesystem::path& file, const std::vector<double>& samples, int rate,
               int bits, std::string& error);

// The format fields of a WAVE file, as read back from its header.
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
// False when the bytes are not a RIFF WAVE file with a "fmt " and a "data" chunk.
bool ReadWaveFormat(const std::vector<std::uint8_t>& bytes, WaveFormat& format);

}  // namespace tarn::assetgen
