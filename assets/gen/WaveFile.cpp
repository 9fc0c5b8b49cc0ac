// Writing and header-reading of PCM WAVE files.
#include "assets/gen/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace tarn::assetgen {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

std::uint32_t Get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return std::uint32_t(in[at]) | (std::uint32_t(in[at + 1]) << 8) |
           (std::uint32_t(in[at + 2]) << 16) | (std::uint32_t(in[at + 3]) << 24);
}

unsigned Get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return unsigned(in[at]) | (unsigned(in[at + 1]) << 8);
}

bool TagAt(const std::vector<std::uint8_t>& in, std::size_t at, const char* tag) {
    return at + 4 <= in.size() && std::equal(tag, tag + 4, in.begin() + long(at));
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const std::vector<double>& samples, int rate, int bits) {
    const std::uint32_t bytesPerSample = bits / 8;
    const std::uint32_t dataBytes = std::uint32_t(samples.size()) * bytesPerSample;
    const std::uint32_t pad = dataBytes % 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes + pad);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes + pad);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, std::uint32_t(rate));
    Put32(out, std::uint32_t(rate) * bytesPerSample);
    Put16(out, bytesPerSample);
    Put16(out, unsigned(bits));
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (double sample : samples) {
        const double clipped = std::clamp(sample, -1.0, 1.0);
        if (bits == 8) {
            out.push_back(std::uint8_t(std::lround(128 + clipped * 127)));
        } else {
            Put16(out, unsigned(std::uint16_t(std::int16_t(std::lround(clipped * 32767)))));
        }
    }
    if (pad != 0) {
        out.push_back(0);
    }
    return out;
}

bool WriteWave(const std::filesystem::path& file, const std::vector<double>& samples, int rate,
               int bits, std::string& error) {
    const std::vector<std::uint8_t> bytes = EncodeWave(samples, rate, bits);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        error = file.string() + ": cannot be written";
        return false;
    }
    return true;
}

bool ReadWaveFormat(const std::vector<std::uint8_t>& bytes, WaveFormat& format) {
    if (!TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) {
        return false;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = Get32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            return false;
        }
        if (TagAt(bytes, at, "fmt ") && size >= 16) {
            format.formatTag = int(Get16(bytes, body));
            format.channels = int(Get16(bytes, body + 2));
            format.rate = int(Get32(bytes, body + 4));
            format.byteRate = int(Get32(bytes, body + 8));
            format.blockAlign = int(Get16(bytes, body + 12));
            format.bits = int(Get16(bytes, body + 14));
            haveFormat = true;
        } else if (TagAt(bytes, at, "data")) {
            format.dataBytes = size;
            format.dataOffset = body;
            return haveFormat;
        }
        at = body + size + (size % 2);
    }
    return false;
}

}  // namespace tarn::assetgen
