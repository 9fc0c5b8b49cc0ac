// Huffman tables of JPEG files: more than 256 codes in a table is refused before decoding.
#include "support/JpegTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/PictureFile.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One DHT segment holding a table per entry of `codeCounts`; a table with n codes gets
// them all at length 16 (as far as one count byte goes) and n symbol bytes.
Bytes DhtSegment(const std::vector<unsigned>& codeCounts) {
    Bytes body;
    for (std::size_t i = 0; i < codeCounts.size(); ++i) {
        body.push_back(std::uint8_t(i % 4));  // DC tables 0..3
        unsigned left = codeCounts[i];
        Bytes counts(16, 0);
        for (int length = 15; length >= 0 && left > 0; --length) {
            counts[std::size_t(length)] = std::uint8_t(std::min(left, 255u));
            left -= counts[std::size_t(length)];
        }
        body.insert(body.end(), counts.begin(), counts.end());
        body.insert(body.end(), codeCounts[i], std::uint8_t(0x05));
    }
    const std::size_t length = body.size() + 2;
    Bytes segment = {0xFF, 0xC4, std::uint8_t(length >> 8), std::uint8_t(length & 0xFF)};
    segment.insert(segment.end(), body.begin(), body.end());
    return segment;
}

Bytes Jpeg(const std::vector<Bytes>& segments) {
    Bytes file = {0xFF, 0xD8};
    for (const Bytes& segment : segments) {
        file.insert(file.end(), segment.begin(), segment.end());
    }
    file.insert(file.end(), {0xFF, 0xD9});
    return file;
}

TEST(JpegTables, TablesOfUpTo256CodesFit) {
    EXPECT_TRUE(JpegHuffmanTablesFit(Jpeg({DhtSegment({12, 162})})));
    EXPECT_TRUE(JpegHuffmanTablesFit(Jpeg({DhtSegment({256})})));
    EXPECT_TRUE(JpegHuffmanTablesFit(Bytes{}));
}

TEST(JpegTables, ATableOfMoreThan256CodesIsFound) {
    EXPECT_FALSE(JpegHuffmanTablesFit(Jpeg({DhtSegment({257})})));
    EXPECT_FALSE(JpegHuffmanTablesFit(Jpeg({DhtSegment({12, 4000})})));  // the second table
    // A later segment, as between the scans of a progressive file.
    EXPECT_FALSE(JpegHuffmanTablesFit(
        Jpeg({DhtSegment({12}), {0xFF, 0xDA, 0x00, 0x02, 0x12}, DhtSegment({300})})));
}

TEST(JpegTables, ACutOffTableCountsWhatIsThere) {
    Bytes file = Jpeg({DhtSegment({200})});
    file.resize(2 + 4 + 1 + 15);  // the last count byte and the symbols are missing
    EXPECT_TRUE(JpegHuffmanTablesFit(file));
    Bytes overlong = Jpeg({DhtSegment({400})});
    overlong.resize(2 + 4 + 1 + 16);
    EXPECT_FALSE(JpegHuffmanTablesFit(overlong));
}

TEST(JpegTables, ASegmentTheDecoderRefusesEndsTheLook) {
    Bytes segment = DhtSegment({300});
    segment[4] = 0x24;  // table class 2: no such class
    EXPECT_TRUE(JpegHuffmanTablesFit(Jpeg({segment})));
}

TEST(JpegTables, EndlessMarkersAreRefusedInBoundedTime) {
    // Tables of four codes whose symbols are a marker with the longest segment length:
    // each marker starts a segment whose tables run over all the markers after it.
    Bytes file = {0xFF, 0xD8};
    for (int i = 0; i < 20000; ++i) {
        file.push_back(0x00);
        file.insert(file.end(), 15, 0x00);
        file.insert(file.end(), {0x04, 0xFF, 0xC4, 0xFF, 0xFF});
    }
    EXPECT_FALSE(JpegHuffmanTablesFit(file));
}

TEST(JpegTables, PictureWithAnOverlongTableIsUnreadable) {
    testing::ScratchDir scratch;
    ASSERT_EQ(SaveJpeg(scratch.path() / "p.jpg", Surface(16, 16, Rgb(20, 90, 200))),
              PictureStatus::Ok);
    std::string bytes;
    ASSERT_EQ(ReadFileBytes(scratch.path() / "p.jpg", bytes, kMaxPictureFileBytes), FileStatus::Ok);
    Surface loaded;
    ASSERT_EQ(DecodePicture(bytes.data(), bytes.size(), loaded), PictureStatus::Ok);

    const std::size_t dht = bytes.find("\xFF\xC4");
    ASSERT_NE(dht, std::string::npos);
    bytes[dht + 5 + 14] = char(0xFF);  // 255 more codes of length 15 in the first table
    bytes[dht + 5 + 15] = char(0xFF);  // and of length 16
    Surface damaged;
    EXPECT_EQ(DecodePicture(bytes.data(), bytes.size(), damaged), PictureStatus::Unreadable);
    EXPECT_TRUE(damaged.empty());
}

}  // namespace
}  // namespace tarn
