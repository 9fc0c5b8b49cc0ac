// Reading, writing and resampling RIFF WAVE files.
#include "support/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "support/FileBytes.h"
#include "support/FileWords.h"
#include "support/UserText.h"

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Get32(const Bytes& in, std::size_t at) {
    return std::uint32_t(in[at]) | (std::uint32_t(in[at + 1]) << 8) |
           (std::uint32_t(in[at + 2]) << 16) | (std::uint32_t(in[at + 3]) << 24);
}

unsigned Get16(const Bytes& in, std::size_t at) {
    return unsigned(in[at]) | (unsigned(in[at + 1]) << 8);
}

bool TagAt(const Bytes& in, std::size_t at, std::string_view tag) {
    return at + 4 <= in.size() && std::equal(tag.begin(), tag.end(), in.begin() + long(at));
}

void Put16(Bytes& out, unsigned value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

void PutTag(Bytes& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

struct Chunk {
    std::string_view id;
    std::size_t body = 0;       // offset of the chunk's contents
    std::size_t declared = 0;   // the size its header states
    std::size_t available = 0;  // the part of it the bytes hold
};

// Calls visit(chunk) for each chunk after the RIFF WAVE header, in order, until visit
// returns false or a chunk has run past the end of the bytes. False when the bytes do
// not start with a RIFF WAVE header.
template <class Visit>
bool ForEachChunk(const Bytes& bytes, Visit visit) {
    if (!TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) {
        return false;
    }
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        Chunk chunk;
        chunk.id = std::string_view(reinterpret_cast<const char*>(bytes.data()) + at, 4);
        chunk.body = at + 8;
        chunk.declared = Get32(bytes, at + 4);
        chunk.available = std::min(chunk.declared, bytes.size() - chunk.body);
        if (!visit(chunk) || chunk.available < chunk.declared) {
            break;
        }
        at = chunk.body + chunk.declared + (chunk.declared % 2);
    }
    return true;
}

void ReadFormatFields(const Bytes& bytes, std::size_t body, WaveFormat& format) {
    format.formatTag = int(Get16(bytes, body));
    format.channels = int(Get16(bytes, body + 2));
    format.rate = int(Get32(bytes, body + 4));
    format.byteRate = int(Get32(bytes, body + 8));
    format.blockAlign = int(Get16(bytes, body + 12));
    format.bits = int(Get16(bytes, body + 14));
}

}  // namespace

bool DecodeWave(const Bytes& bytes, Wave& wave, std::string& reason) {
    WaveFormat format;
    const std::uint8_t* data = nullptr;
    std::size_t dataSize = 0;
    // The last format and the last data chunk count, wherever they stand.
    const bool riff = ForEachChunk(bytes, [&](const Chunk& chunk) {
        if (chunk.id == "fmt " && chunk.available >= 16) {
            ReadFormatFields(bytes, chunk.body, format);
        } else if (chunk.id == "data") {
            data = bytes.data() + chunk.body;
            dataSize = chunk.available;
        }
        return true;
    });
    if (!riff) {
        reason = "not a RIFF WAVE file";
        return false;
    }
    wave.rate = format.rate;
    const int bits = format.bits;
    const int channels = format.channels;
    if (format.formatTag != 1 || (bits != 8 && bits != 16) || channels < 1 || channels > 2 ||
        wave.rate < 1000 || wave.rate > 192000) {
        reason = "not 8- or 16-bit PCM with one or two channels";
        return false;
    }
    if (data == nullptr) {
        reason = "no sample data";
        return false;
    }
    const std::size_t sampleBytes = std::size_t(bits / 8);
    const std::size_t frameBytes = std::size_t(channels) * sampleBytes;
    const std::size_t frames = dataSize / frameBytes;
    wave.samples.resize(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) {
            const std::uint8_t* p = data + f * frameBytes + std::size_t(c) * sampleBytes;
            sum += bits == 8 ? (float(*p) - 128.0f) / 128.0f
                             : float(std::int16_t(std::uint16_t(p[0] | p[1] << 8))) / 32768.0f;
        }
        wave.samples[f] = sum / float(channels);
    }
    return true;
}

bool ReadWave(const std::filesystem::path& file, Wave& wave, std::string& reason) {
    Bytes bytes;
    FileReason why;
    switch (const FileStatus status = ReadFileBytes(file, bytes, kMaxWaveFileBytes, &why)) {
        case FileStatus::Ok:
            return DecodeWave(bytes, wave, reason);
        case FileStatus::TooLarge:
            reason = "the file is larger than " + std::to_string(kMaxWaveFileBytes >> 20) + " MB";
            return false;
        default:
            reason = DescribeFile(status, why);
            return false;
    }
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

Bytes EncodeWave(const std::vector<double>& samples, int rate, int bits) {
    const std::uint32_t bytesPerSample = bits / 8;
    const std::uint32_t dataBytes = std::uint32_t(samples.size()) * bytesPerSample;
    const std::uint32_t pad = dataBytes % 2;
    Bytes out;
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
    const Bytes bytes = EncodeWave(samples, rate, bits);
    const std::string_view contents(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    FileReason why;
    if (const FileStatus status = WriteFileAtomically(file, contents, &why);
        status != FileStatus::Ok) {
        error = ShownPath(file) + ": " + DescribeFile(status, why);
        return false;
    }
    return true;
}

bool ReadWaveFormat(const Bytes& bytes, WaveFormat& format) {
    bool haveFormat = false;
    bool complete = false;
    const bool riff = ForEachChunk(bytes, [&](const Chunk& chunk) {
        if (chunk.available < chunk.declared) {
            return false;
        }
        if (chunk.id == "fmt " && chunk.declared >= 16) {
            ReadFormatFields(bytes, chunk.body, format);
            haveFormat = true;
        } else if (chunk.id == "data") {
            format.dataBytes = chunk.declared;
            format.dataOffset = chunk.body;
            complete = haveFormat;
            return false;
        }
        return true;
    });
    return riff && complete;
}

}  // namespace tarn
