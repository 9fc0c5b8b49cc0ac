// A check of the Huffman tables of a JPEG file before it reaches the decoder.
#pragma once

#include <cstdint>
#include <span>

namespace tarn {

// False when some Huffman table (DHT segment) of the file declares more than the 256 codes
// a table can hold: the system's picture decoder copies such a table past its end. Every
// "FF C4" pair of the file is looked at, which covers each place a decoder can meet that
// marker, in the headers and between the scans. Also false when the file holds so many
// such pairs that looking at them all would take unduly long.
bool JpegHuffmanTablesFit(std::span<const std::uint8_t> bytes);

}  // namespace tarn
