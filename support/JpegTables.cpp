// Huffman tables of JPEG files: each holds at most 256 codes.
#include "support/JpegTables.h"

#include <cstddef>

namespace tarn {

namespace {

constexpr unsigned kMaxCodesPerTable = 256;
// Tables looked at, at most, in one file: real files hold a handful.
constexpr std::size_t kMaxTablesLookedAt = std::size_t{1} << 20;

}  // namespace

bool JpegHuffmanTablesFit(std::span<const std::uint8_t> bytes) {
    // The decoder reads zeros past the end of the file; so does this check.
    const auto at = [bytes](std::size_t i) -> unsigned { return i < bytes.size() ? bytes[i] : 0u; };
    std::size_t budget = kMaxTablesLookedAt;
    for (std::size_t marker = 0; marker + 1 < bytes.size(); ++marker) {
        if (bytes[marker] != 0xFF || bytes[marker + 1] != 0xC4) {
            continue;
        }
        long left = long((at(marker + 2) << 8) | at(marker + 3)) - 2;
        std::size_t table = marker + 4;
        // Past the end of the file only empty tables follow.
        while (left > 0 && table < bytes.size()) {
            if (budget-- == 0) {
                return false;
            }
            const unsigned kind = at(table);
            if ((kind >> 4) > 1 || (kind & 15) > 3) {
                break;  // the decoder refuses the segment here
            }
            unsigned codes = 0;
            for (std::size_t length = 1; length <= 16; ++length) {
                codes += at(table + length);
            }
            if (codes > kMaxCodesPerTable) {
                return false;
            }
            table += 17 + codes;
            left -= long(17 + codes);
        }
    }
    return true;
}

}  // namespace tarn
