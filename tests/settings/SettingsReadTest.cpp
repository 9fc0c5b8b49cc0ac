// Reading the settings line as the game and as the settings tool decode it.
#include <gtest/gtest.h>

#include "SettingsLines.h"
#include "settings/SettingsFile.h"

namespace tarn {
namespace {

using testing::ScratchDir;
using testing::SettingsLineText;
using testing::WriteFile;

class GameReadTest : public ::testing::Test {
  protected:
    GameSettings Read(const std::string& bytes) {
        WriteFile(file_, bytes);
        GameSettings settings;
        EXPECT_EQ(ReadGameSettings(file_, settings, warnings_), SettingsStatus::Ok);
        return settings;
    }

    ScratchDir folder_;
    std::filesystem::path file_ = folder_ / "morva2.cfh";
    SettingsWarnings warnings_;
};

TEST_F(GameReadTest, QuotePercentZAmpersandBindArrowsAndDashInConfigurationZero) {
    const GameSettings settings = Read(SettingsLineText("'%Z&", 35, 30));
    EXPECT_EQ(settings.KeyTable[0][kSlotRight], 39);
    EXPECT_EQ(settings.KeyTable[0][kSlotLeft], 37);
    EXPECT_EQ(settings.KeyTable[0][kSlotDash], 90);
    EXPECT_EQ(settings.KeyTable[0][kSlotJump], 38);
    EXPECT_EQ(settings.TargetFps, 60);
    EXPECT_EQ(settings.ColorDepth, 8);
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(GameReadTest, KeysFillConfigurationsInOrderOfSlots) {
    std::string keys;
    for (int i = 0; i < 30; ++i) {
        keys.push_back(static_cast<char>(48 + i));
    }
    const GameSettings settings = Read(SettingsLineText(keys, 35, 30));
    for (int config = 0; config < kConfigCount; ++config) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            EXPECT_EQ(settings.KeyTable[config][slot], 48 + config * kSlotCount + slot);
        }
    }
}

TEST_F(GameReadTest, FrameCode38Gives90AndCode30Gives10) {
    EXPECT_EQ(Read(SettingsLineText("", 38, 30)).TargetFps, 90);
    EXPECT_EQ(Read(SettingsLineText("", 30, 30)).TargetFps, 10);
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(GameReadTest, LastCharacterCode31GivesSixteenBits) {
    EXPECT_EQ(Read(SettingsLineText("", 35, 31)).ColorDepth, 16);
}

TEST_F(GameReadTest, LongLineTakesColourFromItsLastCharacter) {
    std::string line = SettingsLineText("", 35, 31);
    line.insert(line.size() - 2, "xyz\x1e");  // characters 33..36, the last of code 30
    EXPECT_EQ(Read(line).ColorDepth, 8);
    line = SettingsLineText("", 35, 30);
    line.insert(line.size() - 2, "\x1f");
    EXPECT_EQ(Read(line).ColorDepth, 16);
}

TEST_F(GameReadTest, InvalidColourShowsDrBitMessageAndUsesEightBits) {
    const GameSettings settings = Read(SettingsLineText("", 35, 32));
    EXPECT_EQ(settings.ColorDepth, 8);
    ASSERT_EQ(warnings_.size(), 1u);
    EXPECT_EQ(warnings_[0].text, "DrBitの値が不正です\n8bitに設定します");
    EXPECT_EQ(warnings_[0].icon, MessageIcon::Error);
}

TEST_F(GameReadTest, FrameCodeOutsideTenToNinetyIsReportedAndReplacedBySixty) {
    for (const int code : {0, 29, 39, 127}) {
        warnings_.clear();
        EXPECT_EQ(Read(SettingsLineText("", code, 30)).TargetFps, 60) << code;
        ASSERT_EQ(warnings_.size(), 1u) << code;
        EXPECT_EQ(warnings_[0].icon, MessageIcon::Error);
    }
}

TEST_F(GameReadTest, LeadByteJoinsTheNextByteIntoOneCharacter) {
    // "\x82\xa0" is one character: the keys after it move up by one byte.
    std::string line = "\x82\xa0" + std::string(29, 'B');
    line += "\x23\x1f\r\n";
    const GameSettings settings = Read(line);
    EXPECT_EQ(settings.KeyTable[0][0], 0xA0);  // the low 8 bits of the character code
    EXPECT_EQ(settings.KeyTable[4][5], 'B');
    EXPECT_EQ(settings.TargetFps, 60);
    EXPECT_EQ(settings.ColorDepth, 16);
}

TEST_F(GameReadTest, DoubleByteLastCharacterKeepsTheLowEightBitsOfItsColourCode) {
    // 0x811F - 30 = 0x8101: kept in 8 bits that is 1, sixteen bits.
    std::string line = std::string(30, 'A') + "\x23\x81\x1f\r\n";
    EXPECT_EQ(Read(line).ColorDepth, 16);
}

TEST_F(GameReadTest, DoubleByteFrameCharacterIsReplacedBySixty) {
    std::string line = std::string(30, 'A') + "\x88\x9f\x1e\r\n";
    EXPECT_EQ(Read(line).TargetFps, 60);
    EXPECT_EQ(warnings_.size(), 1u);
}

TEST_F(GameReadTest, OnlyTheFirstLineIsRead) {
    EXPECT_EQ(Read(SettingsLineText("", 38, 31) + "zzzzzz\x1e\r\n").ColorDepth, 16);
    std::string lfOnly = SettingsLineText("", 31, 31);
    lfOnly.replace(lfOnly.size() - 2, 2, "\nxx\x1e");
    EXPECT_EQ(Read(lfOnly).ColorDepth, 16);
    std::string crOnly = SettingsLineText("", 31, 30);
    crOnly.replace(crOnly.size() - 2, 2, "\rxx\x1f");
    const GameSettings settings = Read(crOnly);
    EXPECT_EQ(settings.TargetFps, 20);
    EXPECT_EQ(settings.ColorDepth, 8);
}

TEST_F(GameReadTest, LineWithoutLineEndIsRead) {
    std::string line = SettingsLineText("", 33, 31);
    line.resize(line.size() - 2);
    EXPECT_EQ(Read(line).TargetFps, 40);
}

TEST_F(GameReadTest, LineOfThirtyOneCharactersTakesColourFromTheFrameCharacter) {
    // The frame character is also the last one: code 31 gives 20 fps and 16 bits.
    const GameSettings settings = Read(std::string(30, 'A') + "\x1f\r\n");
    EXPECT_EQ(settings.TargetFps, 20);
    EXPECT_EQ(settings.ColorDepth, 16);
}

class ReadFailureTest : public ::testing::Test {
  protected:
    ScratchDir folder_;
    std::filesystem::path file_ = folder_ / "morva2.cf";
    GameSettings settings_;
    SettingsWarnings warnings_;
};

TEST_F(ReadFailureTest, LineOfThirtyCharactersIsTooShort) {
    WriteFile(file_, std::string(30, 'A') + "\r\n" + std::string(40, 'A'));
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::TooShort);
}

TEST_F(ReadFailureTest, LeadBytePairCountsAsOneCharacterTowardsTheLength) {
    WriteFile(file_, "\x82\xa0" + std::string(29, 'A') + "\r\n");  // 31 bytes, 30 characters
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::TooShort);
}

TEST_F(ReadFailureTest, EmptyFileIsTooShort) {
    WriteFile(file_, "");
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::TooShort);
    ToolSettings tool;
    EXPECT_EQ(ReadToolSettings(file_, tool, warnings_), SettingsStatus::TooShort);
}

TEST_F(ReadFailureTest, MissingFileIsNotFound) {
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::NotFound);
    ToolSettings tool;
    EXPECT_EQ(ReadToolSettings(file_, tool, warnings_), SettingsStatus::NotFound);
}

TEST_F(ReadFailureTest, FolderInPlaceOfTheFileIsUnreadable) {
    std::filesystem::create_directory(file_);
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::Unreadable);
}

TEST_F(ReadFailureTest, FileFarLargerThanASettingsLineIsUnreadable) {
    WriteFile(file_, SettingsLineText("", 35, 31));
    std::filesystem::resize_file(file_, std::uintmax_t{1} << 30);
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::Unreadable);
}

TEST_F(ReadFailureTest, FailureLeavesTheSettingsUntouched) {
    settings_.TargetFps = 70;
    settings_.KeyTable[2][3] = 99;
    WriteFile(file_, "short\r\n");
    EXPECT_EQ(ReadGameSettings(file_, settings_, warnings_), SettingsStatus::TooShort);
    EXPECT_EQ(settings_.TargetFps, 70);
    EXPECT_EQ(settings_.KeyTable[2][3], 99);
}

TEST(SettingsMessageTest, EveryFailureMessageNamesTheFile) {
    const std::filesystem::path file = "/some/folder/morva2.cfh";
    for (const SettingsStatus status :
         {SettingsStatus::NotFound, SettingsStatus::Unreadable, SettingsStatus::TooShort,
          SettingsStatus::KeyNotStorable, SettingsStatus::WriteFailed,
          SettingsStatus::ValueOutOfRange}) {
        const std::string text = SettingsMessage(status, file);
        EXPECT_NE(text.find("/some/folder/morva2.cfh"), std::string::npos) << text;
    }
    EXPECT_NE(SettingsMessage(SettingsStatus::NotFound, file),
              SettingsMessage(SettingsStatus::TooShort, file));
}

TEST(SettingsFileNameTest, EachBuildHasItsOwnFile) {
    EXPECT_STREQ(SettingsFileName(SettingsBuild::Normal), "morva2.cfh");
    EXPECT_STREQ(SettingsFileName(SettingsBuild::LowSpec), "morva2.cf");
}

class ToolReadTest : public ::testing::Test {
  protected:
    ToolSettings Read(const std::string& bytes) {
        WriteFile(file_, bytes);
        ToolSettings settings;
        EXPECT_EQ(ReadToolSettings(file_, settings, warnings_), SettingsStatus::Ok);
        return settings;
    }

    ScratchDir folder_;
    std::filesystem::path file_ = folder_ / "morva2.cfh";
    SettingsWarnings warnings_;
};

TEST_F(ToolReadTest, CodesGiveListIndexes) {
    const ToolSettings settings = Read(SettingsLineText("'%Z&", 32, 31));
    EXPECT_EQ(settings.frameRateIndex, 2);
    EXPECT_EQ(settings.colorIndex, 1);
    EXPECT_EQ(settings.KeyTable[0][kSlotJump], 38);
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(ToolReadTest, FrameIndexOutsideTheListIsReportedAndSetToSixty) {
    const ToolSettings settings = Read(SettingsLineText("", 39, 30));
    EXPECT_EQ(settings.frameRateIndex, kDefaultFrameRateIndex);
    EXPECT_EQ(warnings_.size(), 1u);
}

TEST_F(ToolReadTest, ColourIndexOutsideTheListIsReportedAndSetToEightBits) {
    const ToolSettings settings = Read(SettingsLineText("", 35, 29));
    EXPECT_EQ(settings.colorIndex, 0);
    ASSERT_EQ(warnings_.size(), 1u);
    EXPECT_EQ(warnings_[0].text, "DrBitの値が不正です\n8bitに設定します");
}

}  // namespace
}  // namespace tarn
