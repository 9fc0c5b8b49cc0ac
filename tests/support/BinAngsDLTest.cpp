// The hexadecimal-text container operations: fixed vectors, round trips, files, errors.
#include "support/BinAngsDL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>

#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::Bytes;
using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;
using testing::YieldCounter;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// Vectors worked out by hand: every digit moves up by key + 1, modulo 16.
//   "41420D0A", noise 3, key 5 (shift 6): 4->A 1->7 4->A 2->8 0->6 D->3 0->6 A->0
//   "00FF10",   noise F, key E (shift 15): 0->F 0->F F->E F->E 1->0 0->F
//   "7EEF",     noise 1, key 1 (shift 2):  7->9 E->0 E->0 F->1
TEST(BinAngsDLCipher, AngsWithShiftsEveryDigitByKeyPlusOne) {
    std::string out;
    ASSERT_EQ(BinAngsDL::AngsWith("41420D0A", 3, 5, out), ContainerStatus::Ok);
    EXPECT_EQ(out, "35A7A86360");
    ASSERT_EQ(BinAngsDL::AngsWith("00FF10", 15, 14, out), ContainerStatus::Ok);
    EXPECT_EQ(out, "FEFFEE0F");
    ASSERT_EQ(BinAngsDL::AngsWith("7EEF", 1, 1, out), ContainerStatus::Ok);
    EXPECT_EQ(out, "119001");
}

TEST(BinAngsDLCipher, HukgsUndoesTheFixedVectors) {
    std::string out;
    ASSERT_EQ(BinAngsDL::Hukgs("35A7A86360", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "41420D0A");
    ASSERT_EQ(BinAngsDL::Hukgs("FEFFEE0F", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "00FF10");
    ASSERT_EQ(BinAngsDL::Hukgs("119001", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "7EEF");
}

TEST(BinAngsDLCipher, HukgsAcceptsLowerCaseAndAnswersUpperCase) {
    std::string out;
    ASSERT_EQ(BinAngsDL::Hukgs("35a7a86360", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "41420D0A");
}

TEST(BinAngsDLCipher, ForeignKeyFLeavesDigitsUnchanged) {
    std::string out;
    ASSERT_EQ(BinAngsDL::Hukgs("1F0123456789ABCDEF", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "0123456789ABCDEF");
}

TEST(BinAngsDLCipher, ForeignKeyZeroShiftsDownByOne) {
    std::string out;
    ASSERT_EQ(BinAngsDL::Hukgs("700123456789ABCDEF", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "F0123456789ABCDE");
}

TEST(BinAngsDLCipher, HukgsOfTwoDigitsIsEmpty) {
    std::string out = "x";
    ASSERT_EQ(BinAngsDL::Hukgs("35", out), ContainerStatus::Ok);
    EXPECT_EQ(out, "");
}

TEST(BinAngsDLCipher, HukgsRejectsTextShorterThanTwoDigits) {
    std::string out = "x";
    EXPECT_EQ(BinAngsDL::Hukgs("", out), ContainerStatus::TooShort);
    EXPECT_EQ(BinAngsDL::Hukgs("3", out), ContainerStatus::TooShort);
    EXPECT_EQ(out, "");
}

TEST(BinAngsDLCipher, NonHexadecimalDigitsAreRejected) {
    std::string out;
    EXPECT_EQ(BinAngsDL::Hukgs("35G0", out), ContainerStatus::BadDigit);
    EXPECT_EQ(BinAngsDL::Hukgs("3Z00", out), ContainerStatus::BadDigit);
    EXPECT_EQ(BinAngsDL::AngsWith("0 ", 1, 1, out), ContainerStatus::BadDigit);
}

TEST(BinAngsDLCipher, BinToHex2GivesTwoUpperCaseDigits) {
    EXPECT_EQ(BinAngsDL::BinToHex2(0), "00");
    EXPECT_EQ(BinAngsDL::BinToHex2(10), "0A");
    EXPECT_EQ(BinAngsDL::BinToHex2(0x3C), "3C");
    EXPECT_EQ(BinAngsDL::BinToHex2(255), "FF");
}

TEST(BinAngsDLCipher, HukgsOfAngsGivesTheTextBackInUpperCase) {
    std::mt19937 engine(12345);
    const std::string digits = "0123456789ABCDEFabcdef";
    BinAngsDL container;
    for (int round = 0; round < 300; ++round) {
        std::string text(static_cast<std::size_t>(engine() % 64), '0');
        for (char& c : text) {
            c = digits[engine() % digits.size()];
        }
        std::string enciphered;
        std::string deciphered;
        ASSERT_EQ(container.Angs(text, enciphered), ContainerStatus::Ok);
        ASSERT_EQ(enciphered.size(), text.size() + 2);
        ASSERT_EQ(BinAngsDL::Hukgs(enciphered, deciphered), ContainerStatus::Ok);
        EXPECT_EQ(deciphered, Upper(text));
    }
}

TEST(BinAngsDLCipher, KeyDigitIsOneToEAndNoiseDigitOneToF) {
    BinAngsDL container;
    std::set<char> keys;
    std::set<char> noises;
    for (int round = 0; round < 2000; ++round) {
        std::string enciphered;
        ASSERT_EQ(container.Angs("00", enciphered), ContainerStatus::Ok);
        noises.insert(enciphered[0]);
        keys.insert(enciphered[1]);
    }
    EXPECT_EQ(keys, (std::set<char>{'1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D',
                                    'E'}));
    EXPECT_EQ(noises, (std::set<char>{'1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C',
                                      'D', 'E', 'F'}));
}

TEST(BinAngsDLCipher, AngsYieldsOnce) {
    BinAngsDL container;
    YieldCounter yields(container);
    std::string enciphered;
    ASSERT_EQ(container.Angs("ABCD", enciphered), ContainerStatus::Ok);
    EXPECT_EQ(yields.count, 1);
}

TEST(BinAngsDLFiles, OpenBinGivesTheFileAsHexadecimalTextAfterOneYield) {
    ScratchDir dir;
    WriteFile(dir / "a.bin", std::string("\x00\x7F\x80\xFF\r\n", 6));
    BinAngsDL container;
    YieldCounter yields(container);
    std::string hex;
    ASSERT_EQ(container.OpenBin(dir / "a.bin", hex), ContainerStatus::Ok);
    EXPECT_EQ(hex, "007F80FF0D0A");
    EXPECT_EQ(yields.count, 1);
}

TEST(BinAngsDLFiles, OpenBinOfMissingFileHasTheContainersMessageForTheUser) {
    ScratchDir dir;
    BinAngsDL container;
    YieldCounter yields(container);
    container.TitleName = "Tarn";
    std::string hex = "stale";
    const auto path = dir / "missing.tr2";
    const ContainerStatus status = container.OpenBin(path, hex);
    EXPECT_EQ(status, ContainerStatus::FileNotFound);
    EXPECT_EQ(hex, "");
    EXPECT_EQ(yields.count, 0);
    const auto message = container.MessageFor(status, path);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "ファイルが見つかりません\r\n" + path.string());
    EXPECT_EQ(message->title, "Tarn");
}

TEST(BinAngsDLFiles, OpenBinOfEmptyFileIsAnError) {
    ScratchDir dir;
    WriteFile(dir / "empty.tr2", "");
    BinAngsDL container;
    std::string hex;
    EXPECT_EQ(container.OpenBin(dir / "empty.tr2", hex), ContainerStatus::EmptyFile);
    EXPECT_EQ(hex, "");
}

TEST(BinAngsDLFiles, SaveBinWritesTheBytesOfEitherCase) {
    ScratchDir dir;
    BinAngsDL container;
    ASSERT_EQ(container.SaveBin(dir / "out.bin", "00ff7A0d"), ContainerStatus::Ok);
    EXPECT_EQ(ReadFile(dir / "out.bin"), std::string("\x00\xFF\x7A\x0D", 4));
}

TEST(BinAngsDLFiles, SaveBinOverALongerFileLeavesExactlyTheNewLength) {
    ScratchDir dir;
    WriteFile(dir / "out.bin", std::string(1000, 'x'));
    BinAngsDL container;
    ASSERT_EQ(container.SaveBin(dir / "out.bin", "414243"), ContainerStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(dir / "out.bin"), 3u);
    EXPECT_EQ(ReadFile(dir / "out.bin"), "ABC");
}

TEST(BinAngsDLFiles, SaveBinOfOddLengthHasTheContainersMessageAndLeavesTheOldFile) {
    ScratchDir dir;
    WriteFile(dir / "out.bin", "old");
    BinAngsDL container;
    container.TitleName = "Tarn";
    const ContainerStatus status = container.SaveBin(dir / "out.bin", "414");
    EXPECT_EQ(status, ContainerStatus::OddLength);
    EXPECT_EQ(ReadFile(dir / "out.bin"), "old");
    const auto message = container.MessageFor(status, dir / "out.bin");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "KVXﾊﾞｲﾅﾘｻｰﾊﾞｰ ｴﾗｰ");
    EXPECT_EQ(message->title, "Tarn-ｴﾗｰ");
}

TEST(BinAngsDLFiles, SaveBinOfOddLengthWithEmptyTitleUsesTheErrorSuffixAlone) {
    ScratchDir dir;
    BinAngsDL container;
    const ContainerStatus status = container.SaveBin(dir / "out.bin", "0");
    EXPECT_EQ(status, ContainerStatus::OddLength);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.bin"));
    const auto message = container.MessageFor(status, dir / "out.bin");
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->title, "-ｴﾗｰ");
}

TEST(BinAngsDLFiles, OtherStatusesLeaveTheWordingToTheCaller) {
    const BinAngsDL container;
    for (const ContainerStatus status :
         {ContainerStatus::Ok, ContainerStatus::ReadFailed, ContainerStatus::WriteFailed,
          ContainerStatus::EmptyFile, ContainerStatus::EmptyText, ContainerStatus::TooShort,
          ContainerStatus::BadDigit, ContainerStatus::TooLarge}) {
        EXPECT_FALSE(container.MessageFor(status, "a.tr2").has_value()) << Describe(status);
    }
}

TEST(BinAngsDLFiles, SaveBinOfEmptyTextWritesNoFile) {
    ScratchDir dir;
    BinAngsDL container;
    EXPECT_EQ(container.SaveBin(dir / "out.bin", ""), ContainerStatus::EmptyText);
    EXPECT_FALSE(std::filesystem::exists(dir / "out.bin"));
}

TEST(BinAngsDLFiles, SaveBinWithABadDigitLeavesTheOldFile) {
    ScratchDir dir;
    WriteFile(dir / "out.bin", "old");
    BinAngsDL container;
    EXPECT_EQ(container.SaveBin(dir / "out.bin", "41XX"), ContainerStatus::BadDigit);
    EXPECT_EQ(ReadFile(dir / "out.bin"), "old");
}

// The editor's save order: plain file first, then read back, encipher, write over it.
TEST(BinAngsDLFiles, StageFileOnDiskIsOneByteLongerThanItsPlainText) {
    ScratchDir dir;
    const std::string plain = "bg.bmp\r\nStage\r\n 0\r\n 0\r\n150\r\n";
    const auto path = dir / "1-1.tr2";
    WriteFile(path, plain);
    BinAngsDL container;
    std::string hex;
    std::string enciphered;
    ASSERT_EQ(container.OpenBin(path, hex), ContainerStatus::Ok);
    ASSERT_EQ(container.Angs(hex, enciphered), ContainerStatus::Ok);
    ASSERT_EQ(container.SaveBin(path, enciphered), ContainerStatus::Ok);
    EXPECT_EQ(std::filesystem::file_size(path), plain.size() + 1);

    std::string deciphered;
    ASSERT_EQ(container.OpenBin(path, hex), ContainerStatus::Ok);
    ASSERT_EQ(BinAngsDL::Hukgs(hex, deciphered), ContainerStatus::Ok);
    ASSERT_EQ(container.SaveBin(dir / "op", deciphered), ContainerStatus::Ok);
    EXPECT_EQ(ReadFile(dir / "op"), plain);
}

}  // namespace
}  // namespace tarn
