// Wave files: RIFF WAVE with PCM samples of 8 or 16 bits, mono or stereo.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarn::game {

struct Wave {
    int rate = 0;
    std::vector<float> samples;  // mono, -1..1
};

// The whole file; false when it cannot be read.
bool ReadFileBytes(const std::filesystem::path& file, std::vector<unsigned char>& bytes);

// Reads a wave file; false with a reason on a missing or unreadable file.
bool ReadWave(const std::filesystem::path& file, Wave& wave, std::string& reason);
bool DecodeWave(const std::vector<unsigned char>& bytes, Wave& wave, std::string& reason);

// The samples at another rate (linear interpolation).
std::vector<float> Resample(const Wave& wave, int rate);

}  // namespace tarn::game
