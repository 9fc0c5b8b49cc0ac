// A check of the chunk lengths of a PNG file before it reaches the decoder.
#pragma once

#include <cstdint>
#include <span>

namespace tarn {

// True when `bytes` start with the PNG signature.
bool IsPng(std::span<const std::uint8_t> bytes);

// False when some chunk of a PNG file claims more bytes than the file has left, or more than
// the format allows (2^31 - 1). The system's picture decoder sets aside memory for a claimed
// image-data chunk before reading it, so a file of a hundred bytes could make it ask for
// gigabytes. Chunks are walked up to the end chunk or the end of the file.
bool PngChunksFit(std::span<const std::uint8_t> bytes);

}  // namespace tarn
