// PNG chunk walking: length (4 bytes, big-endian), type (4), data, CRC (4).
#include "support/PngChunks.h"

#include <algorithm>
#include <array>

namespace tarn {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::size_t kChunkFraming = 12;
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFFu;

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

}  // namespace

bool IsPng(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kSignature.size() &&
           std::equal(kSignature.begin(), kSignature.end(), bytes.begin());
}

bool PngChunksFit(std::span<const std::uint8_t> bytes) {
    if (!IsPng(bytes)) {
        return true;
    }
    std::size_t at = kSignature.size();
    while (bytes.size() - at >= kChunkFraming) {
        const std::uint32_t length = BigEndian32(bytes.data() + at);
        if (length > kMaxChunkLength || length > bytes.size() - at - kChunkFraming) {
            return false;
        }
        const bool end = std::equal(bytes.begin() + std::ptrdiff_t(at + 4),
                                    bytes.begin() + std::ptrdiff_t(at + 8), "IEND");
        at += kChunkFraming + length;
        if (end) {
            break;
        }
    }
    return true;
}

}  // namespace tarn
