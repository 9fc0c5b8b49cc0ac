// Reading RIFF WAVE files.
#include "game/platform/WaveFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace tarn::game {

namespace {

std::uint32_t U32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t U16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

}  // namespace

bool ReadFileBytes(const std::filesystem::path& file, std::vector<unsigned char>& bytes) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0) {
        return false;
    }
    bytes.resize(std::size_t(size));
    in.seekg(0);
    return bool(in.read(reinterpret_cast<char*>(bytes.data()), size));
}

bool DecodeWave(const std::vector<unsigned char>& bytes, Wave& wave, std::string& reason) {
    const auto fail = [&](const char* why) {
        reason = why;
        return false;
    };
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
        return fail("not a RIFF WAVE file");
    }
    int channels = 0, bits = 0, format = 0;
    const unsigned char* data = nullptr;
    std::size_t dataSize = 0;
    for (std::size_t pos = 12; pos + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + std::ptrdiff_t(pos),
                             bytes.begin() + std::ptrdiff_t(pos) + 4);
        const std::size_t size = U32(&bytes[pos + 4]);
        const std::size_t body = pos + 8;
        const std::size_t available = std::min(size, bytes.size() - body);
        if (id == "fmt " && available >= 16) {
            format = U16(&bytes[body]);
            channels = U16(&bytes[body + 2]);
            wave.rate = int(U32(&bytes[body + 4]));
            bits = U16(&bytes[body + 14]);
        } else if (id == "data") {
            data = &bytes[body];
            dataSize = available;
        }
        pos = body + size + (size & 1);
        if (size > bytes.size()) {
            break;
        }
    }
    if (format != 1 || (bits != 8 && bits != 16) || channels < 1 || channels > 2 ||
        wave.rate < 1000 || wave.rate > 192000) {
        return fail("not 8- or 16-bit PCM with one or two channels");
    }
    if (data == nullptr) {
        return fail("no sample data");
    }
    const std::size_t frameBytes = std::size_t(channels) * std::size_t(bits / 8);
    const std::size_t frames = dataSize / frameBytes;
    wave.samples.resize(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) {
            const unsigned char* p = data + f * frameBytes + std::size_t(c) * std::size_t(bits / 8);
            sum +=
                bits == 8 ? (float(*p) - 128.0f) / 128.0f : float(std::int16_t(U16(p))) / 32768.0f;
        }
        wave.samples[f] = sum / float(channels);
    }
    return true;
}

bool ReadWave(const std::filesystem::path& file, Wave& wave, std::string& reason) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(file, bytes)) {
        reason = "the file is missing or cannot be read";
        return false;
    }
    return DecodeWave(bytes, wave, reason);
}

std::vector<float> Resample(const Wave& wave, int rate) {
    if (wave.samples.empty() || rate <= 0 || wave.rate == rate) {
        return wave.samples;
    }
    const double step = double(wave.rate) / double(rate);
    const auto count = std::size_t(double(wave.samples.size()) / step);
    std::vector<float> out(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = double(i) * step;
        const auto k = std::size_t(at);
        const float frac = float(at - double(k));
        const float a = wave.samples[std::min(k, wave.samples.size() - 1)];
        const float b = wave.samples[std::min(k + 1, wave.samples.size() - 1)];
        out[i] = a + (b - a) * frac;
    }
    return out;
}

}  // namespace tarn::game
