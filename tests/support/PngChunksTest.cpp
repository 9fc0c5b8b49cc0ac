// PNG chunk lengths: a chunk claiming more than the file holds is refused before decoding.
#include "support/PngChunks.h"

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

const Bytes kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// A chunk whose length field says `claimed` while `data` bytes follow (CRC left zero).
Bytes Chunk(const char* type, std::uint32_t claimed, std::size_t data) {
    Bytes chunk = {std::uint8_t(claimed >> 24), std::uint8_t(claimed >> 16),
                   std::uint8_t(claimed >> 8), std::uint8_t(claimed)};
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), data + 4, 0);
    return chunk;
}

Bytes Png(const std::vector<Bytes>& chunks) {
    Bytes file = kSignature;
    for (const Bytes& chunk : chunks) {
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

TEST(PngChunks, ChunksWithinTheFileFit) {
    EXPECT_TRUE(
        PngChunksFit(Png({Chunk("IHDR", 13, 13), Chunk("IDAT", 40, 40), Chunk("IEND", 0, 0)})));
    // Whatever follows the end chunk is not looked at.
    Bytes trailing = Png({Chunk("IHDR", 13, 13), Chunk("IEND", 0, 0)});
    trailing.insert(trailing.end(), {0xFF, 0xFF, 0xFF, 0xFF, 'I', 'D', 'A', 'T'});
    EXPECT_TRUE(PngChunksFit(trailing));
    EXPECT_TRUE(PngChunksFit(Bytes{'B', 'M'}));  // not a PNG: nothing to say
}

TEST(PngChunks, AChunkClaimingMoreThanTheFileHoldsIsFound) {
    EXPECT_FALSE(PngChunksFit(Png({Chunk("IHDR", 13, 13), Chunk("IDAT", 1u << 30, 16)})));
    EXPECT_FALSE(PngChunksFit(Png({Chunk("IHDR", 13, 13), Chunk("IDAT", 41, 40)})));
    EXPECT_FALSE(PngChunksFit(Png({Chunk("IHDR", 0xFFFFFFFFu, 13)})));
}

TEST(PngChunks, TheDecoderRefusesSuchAFileAndStillReadsAWholeOne) {
    const testing::ScratchDir dir;
    Surface picture(3, 2);
    picture.Fill(Rgb(10, 200, 30));
    ASSERT_EQ(SavePng(dir / "whole.png", picture), PictureStatus::Ok);
    Bytes whole;
    ASSERT_EQ(ReadFileBytes(dir / "whole.png", whole, 1 << 20), FileStatus::Ok);
    Surface decoded;
    EXPECT_EQ(DecodePicture(whole.data(), whole.size(), decoded), PictureStatus::Ok);
    ASSERT_EQ(decoded.Pixels().size(), picture.Pixels().size());
    EXPECT_TRUE(
        std::equal(decoded.Pixels().begin(), decoded.Pixels().end(), picture.Pixels().begin()));

    // The same file with its image-data chunk claiming a gigabyte.
    Bytes hostile = whole;
    const std::size_t idat = std::string(hostile.begin(), hostile.end()).find("IDAT") - 4;
    hostile[idat] = 0x40;
    EXPECT_EQ(DecodePicture(hostile.data(), hostile.size(), decoded), PictureStatus::Unreadable);
}

}  // namespace
}  // namespace tarn
