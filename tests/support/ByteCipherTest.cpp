// The byte-level cipher and the enciphered file reader and writer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "support/BinAngsDL.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::Bytes;
using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;

std::string HexOf(const std::vector<std::uint8_t>& bytes) {
    std::string hex;
    for (const std::uint8_t byte : bytes) {
        hex += BinAngsDL::BinToHex2(byte);
    }
    return hex;
}

// Worked out by hand: "AB\r\n" with noise 3 and key 5 (each nibble up by 6).
TEST(ByteCipher, EncipherBytesMatchesTheHandWorkedVector) {
    const std::vector<std::uint8_t> plain = {0x41, 0x42, 0x0D, 0x0A};
    EXPECT_EQ(EncipherBytes(plain, 3, 5),
              (std::vector<std::uint8_t>{0x35, 0xA7, 0xA8, 0x63, 0x60}));
    const std::vector<std::uint8_t> edges = {0x00, 0xFF, 0x10};
    EXPECT_EQ(EncipherBytes(edges, 15, 14), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xEE, 0x0F}));
}

TEST(ByteCipher, ByteAndHexadecimalFormsAgree) {
    std::mt19937 engine(99);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::uint8_t> plain(engine() % 40);
        for (auto& byte : plain) {
            byte = static_cast<std::uint8_t>(engine());
        }
        const int noise = static_cast<int>(engine() % 15) + 1;
        const int key = static_cast<int>(engine() % 14) + 1;
        std::string hexEnciphered;
        ASSERT_EQ(BinAngsDL::AngsWith(HexOf(plain), noise, key, hexEnciphered),
                  ContainerStatus::Ok);
        EXPECT_EQ(HexOf(EncipherBytes(plain, noise, key)), hexEnciphered);
    }
}

TEST(ByteCipher, DecipherBytesUndoesEncipherBytesForEveryKey) {
    const std::vector<std::uint8_t> plain = Bytes("Tarn stage\r\n\x81\x40\xFF");
    for (int key = 0; key < 16; ++key) {
        std::vector<std::uint8_t> back;
        ASSERT_EQ(DecipherBytes(EncipherBytes(plain, 7, key), back), ContainerStatus::Ok);
        EXPECT_EQ(back, plain) << "key " << key;
    }
}

TEST(ByteCipher, ForeignKeyFStoresBytesUnchanged) {
    const std::vector<std::uint8_t> stored = {0x1F, 0x12, 0xAB};
    std::vector<std::uint8_t> plain;
    ASSERT_EQ(DecipherBytes(stored, plain), ContainerStatus::Ok);
    EXPECT_EQ(plain, (std::vector<std::uint8_t>{0x12, 0xAB}));
}

TEST(ByteCipher, DecipherBytesOfNothingIsTooShort) {
    std::vector<std::uint8_t> plain = {1};
    EXPECT_EQ(DecipherBytes({}, plain), ContainerStatus::TooShort);
    EXPECT_TRUE(plain.empty());
}

TEST(EncipheredFile, WrittenFileIsOneByteLongerAndReadsBack) {
    ScratchDir dir;
    const auto plain = Bytes("bg.bmp\r\nName\r\n");
    ASSERT_EQ(WriteEncipheredFile(dir / "s.tr2", plain), ContainerStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(dir / "s.tr2"), plain.size() + 1);
    BinAngsDL container;
    std::vector<std::uint8_t> back;
    ASSERT_EQ(ReadEncipheredFile(container, dir / "s.tr2", back), ContainerStatus::Ok);
    EXPECT_EQ(back, plain);
}

TEST(EncipheredFile, WrittenKeyAndNoiseStayInTheirRanges) {
    ScratchDir dir;
    for (int round = 0; round < 50; ++round) {
        ASSERT_EQ(WriteEncipheredFile(dir / "s.tr2", Bytes("x")), ContainerStatus::Ok);
        const std::string stored = ReadFile(dir / "s.tr2");
        ASSERT_EQ(stored.size(), 2u);
        const auto head = static_cast<unsigned char>(stored[0]);
        EXPECT_GE(head & 0xF, 1);
        EXPECT_LE(head & 0xF, 14);
        EXPECT_GE(head >> 4, 1);
    }
}

TEST(EncipheredFile, ReplacingALongerFileLeavesOnlyTheNewFile) {
    ScratchDir dir;
    WriteFile(dir / "s.tr2", std::string(500, 'z'));
    ASSERT_EQ(WriteEncipheredFile(dir / "s.tr2", Bytes("abc")), ContainerStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(dir / "s.tr2"), 4u);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "no temporary file is left beside the target";
}

TEST(EncipheredFile, EmptyPlainTextWritesNoFile) {
    ScratchDir dir;
    EXPECT_EQ(WriteEncipheredFile(dir / "s.tr2", {}), ContainerStatus::EmptyText);
    EXPECT_FALSE(std::filesystem::exists(dir / "s.tr2"));
}

TEST(EncipheredFile, UnwritableFolderFailsWithoutAFile) {
    ScratchDir dir;
    EXPECT_EQ(WriteEncipheredFile(dir / "no-such-folder" / "s.tr2", Bytes("abc")),
              ContainerStatus::WriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));
}

TEST(EncipheredFile, ReadingAMissingFileHasTheContainersMessageForTheUser) {
    ScratchDir dir;
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    const ContainerStatus status = ReadEncipheredFile(container, dir / "none.tr2", plain);
    EXPECT_EQ(status, ContainerStatus::FileNotFound);
    const auto message = container.MessageFor(status, dir / "none.tr2");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "ファイルが見つかりません\r\n" + (dir / "none.tr2").string());
}

TEST(EncipheredFile, ReadingAnEmptyFileIsAnError) {
    ScratchDir dir;
    WriteFile(dir / "e.tr2", "");
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    EXPECT_EQ(ReadEncipheredFile(container, dir / "e.tr2", plain), ContainerStatus::EmptyFile);
}

TEST(EncipheredFile, FileLargerThanAnyStageIsRefusedUnread) {
    ScratchDir dir;
    WriteFile(dir / "big.tr2", "");
    std::filesystem::resize_file(dir / "big.tr2", kMaxContainerFileBytes + 1);
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    EXPECT_EQ(ReadEncipheredFile(container, dir / "big.tr2", plain), ContainerStatus::TooLarge);
    std::string hex;
    EXPECT_EQ(container.OpenBin(dir / "big.tr2", hex), ContainerStatus::TooLarge);
    EXPECT_TRUE(hex.empty());
}

TEST(EncipheredFile, ReadingAFolderOrAPipeFailsWithoutWaiting) {
    ScratchDir dir;
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    FileReason why;
    EXPECT_EQ(ReadEncipheredFile(container, dir.path(), plain, &why), ContainerStatus::NotAFile);
    EXPECT_EQ(Describe(ContainerStatus::NotAFile, why), "not a regular file but a folder");
    ASSERT_EQ(::mkfifo((dir / "pipe.tr2").c_str(), 0600), 0);
    EXPECT_EQ(ReadEncipheredFile(container, dir / "pipe.tr2", plain, &why),
              ContainerStatus::NotAFile);
    EXPECT_EQ(DescribeJa(ContainerStatus::NotAFile, why),
              "通常のファイルではありません（パイプです）");
}

}  // namespace
}  // namespace tarn
