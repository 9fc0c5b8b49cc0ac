// The toolkit-free state of Optara: opening, targets, configurations, capture, the
// default file and saving.
#include "settings/optara/OptaraModel.h"

#include <gtest/gtest.h>

#include <fstream>

#include "settings/DefaultSettings.h"

#include "OptaraTestSupport.h"

namespace tarn::optara {
namespace {

using testing::ProgramFolder;

class OptaraModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.WriteSettings(SettingsBuild::Normal, 65, 2, 1);  // "A".., 30 fps, 16 bits
        ASSERT_EQ(model_.Open(warnings_), SettingsStatus::Ok);
    }

    ProgramFolder folder_;
    OptaraModel model_{folder_.Path()};
    SettingsWarnings warnings_;
};

TEST_F(OptaraModelTest, OpeningReadsTheNormalBuildsFile) {
    EXPECT_EQ(model_.Target(), SettingsBuild::Normal);
    EXPECT_EQ(model_.KeyTable()[1][2], 65 + 8);
    EXPECT_EQ(model_.FrameRateIndex(), 2);
    EXPECT_EQ(model_.ColorIndex(), 1);
}

TEST_F(OptaraModelTest, SlotNamesFollowTheChosenConfiguration) {
    model_.ChooseConfig(2);
    EXPECT_EQ(model_.ConfigNo(), 2);
    EXPECT_EQ(model_.SlotName(0), "M");  // 65 + 12
    EXPECT_EQ(model_.SlotName(5), "R");
}

TEST_F(OptaraModelTest, ChoosingAConfigurationReplacesCodesWithoutACharacterByA) {
    // Configuration 1 holds 0, then the low bytes 0x81, 0xE5 and 0xFC of double-byte
    // characters, none of which is a character on its own.
    const std::string line = std::string(6, 'A') + std::string(1, '\0') +
                             "\x81\x81\x88\xe5 \x88\xfc'" + std::string(18, 'A') + "\x23\x1e\r\n";
    {
        std::ofstream out(folder_.FileOf(SettingsBuild::Normal), std::ios::binary);
        out << line;
    }
    ASSERT_EQ(model_.Open(warnings_), SettingsStatus::Ok);
    EXPECT_EQ(model_.KeyTable()[1][0], 0);
    EXPECT_EQ(model_.KeyTable()[1][1], 0x81);
    model_.ChooseConfig(1);
    const std::array<std::uint8_t, kSlotCount> expected{65, 65, 65, 32, 65, 39};
    EXPECT_EQ(model_.KeyTable()[1], expected);
    EXPECT_EQ(model_.SlotName(3), "SPACE");
}

TEST_F(OptaraModelTest, CaptureStoresTheCodeInTheCurrentConfiguration) {
    model_.ChooseConfig(3);
    EXPECT_EQ(model_.Capture(kSlotJump, 32), CaptureResult::Stored);
    EXPECT_EQ(model_.KeyTable()[3][kSlotJump], 32);
    EXPECT_EQ(model_.SlotName(kSlotJump), "SPACE");
}

TEST_F(OptaraModelTest, KeysTheFileCannotCarryAreRefusedAndTheTableKept) {
    const KeyTableData before = model_.KeyTable();
    for (const std::optional<int> code :
         {std::optional<int>{}, std::optional<int>{13}, std::optional<int>{10},
          std::optional<int>{144}, std::optional<int>{242}, std::optional<int>{0},
          std::optional<int>{300}}) {
        EXPECT_NE(model_.Capture(0, code), CaptureResult::Stored);
    }
    EXPECT_EQ(model_.KeyTable(), before);
}

TEST_F(OptaraModelTest, RefusalSaysTheFileCannotStoreTheCodeAndNamesTheKeptKey) {
    EXPECT_EQ(model_.Capture(1, 13), CaptureResult::NotStorable);
    const std::string enter = model_.RefusalMessage(1, 13);
    EXPECT_EQ(enter.rfind("そのキーは無効です\n", 0), 0u) << enter;
    EXPECT_NE(enter.find("「Enter」のキーコード 13 は設定ファイルに保存できません"),
              std::string::npos)
        << enter;
    EXPECT_NE(enter.find("左移動は「B」のままです"), std::string::npos) << enter;
    EXPECT_NE(model_.RefusalMessage(0, 144).find("「NumLock」のキーコード 144"), std::string::npos);
    EXPECT_EQ(model_.Capture(0, std::nullopt), CaptureResult::NoCode);
    EXPECT_NE(model_.RefusalMessage(0, std::nullopt).find("キーコードがない"), std::string::npos);
}

TEST_F(OptaraModelTest, SlotNamesAreReadable) {
    model_.ChooseConfig(0);
    ASSERT_EQ(model_.Capture(0, 97), CaptureResult::Stored);
    ASSERT_EQ(model_.Capture(1, 20), CaptureResult::Stored);
    ASSERT_EQ(model_.Capture(2, 91), CaptureResult::Stored);
    EXPECT_EQ(model_.SlotName(0), "テンキー1");
    EXPECT_EQ(model_.SlotName(1), "CapsLock");
    EXPECT_EQ(model_.SlotName(2), "左Win");
    EXPECT_EQ(model_.KeyTable()[0][0], 97);
}

TEST_F(OptaraModelTest, ChoosingTheLowSpecTargetReadsItsFile) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    ASSERT_EQ(model_.ChooseTarget(SettingsBuild::LowSpec, warnings_), SettingsStatus::Ok);
    EXPECT_EQ(model_.Target(), SettingsBuild::LowSpec);
    EXPECT_EQ(model_.KeyTable()[0][0], 48);
    EXPECT_EQ(model_.FrameRateIndex(), 8);
    EXPECT_EQ(model_.ColorIndex(), 0);
    EXPECT_EQ(model_.TargetFile(), folder_.FileOf(SettingsBuild::LowSpec));
}

TEST_F(OptaraModelTest, MissingTargetFileChangesNothing) {
    EXPECT_EQ(model_.ChooseTarget(SettingsBuild::LowSpec, warnings_), SettingsStatus::NotFound);
    EXPECT_EQ(model_.Target(), SettingsBuild::Normal);
    EXPECT_EQ(model_.KeyTable()[0][0], 65);
}

TEST_F(OptaraModelTest, OpeningWithoutTheNormalFileIsNotFound) {
    std::filesystem::remove(folder_.FileOf(SettingsBuild::Normal));
    OptaraModel model(folder_.Path());
    EXPECT_EQ(model.Open(warnings_), SettingsStatus::NotFound);
}

TEST_F(OptaraModelTest, SwitchingBackKeepsTheEditsOfEachTarget) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    ASSERT_EQ(model_.Capture(0, 90), CaptureResult::Stored);
    model_.SetFrameRateIndex(7);
    ASSERT_EQ(model_.ChooseTarget(SettingsBuild::LowSpec, warnings_), SettingsStatus::Ok);
    ASSERT_EQ(model_.Capture(0, 88), CaptureResult::Stored);
    ASSERT_EQ(model_.ChooseTarget(SettingsBuild::Normal, warnings_), SettingsStatus::Ok);
    EXPECT_EQ(model_.KeyTable()[0][0], 90);
    EXPECT_EQ(model_.FrameRateIndex(), 7);
    ASSERT_EQ(model_.ChooseTarget(SettingsBuild::LowSpec, warnings_), SettingsStatus::Ok);
    EXPECT_EQ(model_.KeyTable()[0][0], 88);
    EXPECT_EQ(model_.FrameRateIndex(), 8);
}

TEST_F(OptaraModelTest, UnsavedChangesAreTrackedPerBuildUntilSaved) {
    EXPECT_FALSE(model_.HasUnsavedChanges(SettingsBuild::Normal));
    EXPECT_FALSE(model_.HasUnsavedChanges(SettingsBuild::LowSpec));  // not loaded
    ASSERT_EQ(model_.Capture(0, 90), CaptureResult::Stored);
    EXPECT_TRUE(model_.HasUnsavedChanges(SettingsBuild::Normal));
    ASSERT_EQ(model_.Capture(0, 65), CaptureResult::Stored);
    EXPECT_FALSE(model_.HasUnsavedChanges(SettingsBuild::Normal));
    model_.SetColorIndex(0);
    EXPECT_TRUE(model_.HasUnsavedChanges(SettingsBuild::Normal));
    ASSERT_EQ(model_.Save(), SettingsStatus::Ok);
    EXPECT_FALSE(model_.HasUnsavedChanges(SettingsBuild::Normal));
}

TEST_F(OptaraModelTest, ShowingACodeWithoutACharacterIsNoUnsavedChange) {
    folder_.WriteRaw(SettingsBuild::Normal,
                     std::string(5, 'A') + '\0' + std::string(24, 'A') + "\x23\x1e\r\n");
    ASSERT_EQ(model_.Open(warnings_), SettingsStatus::Ok);
    model_.ChooseConfig(0);
    EXPECT_EQ(model_.KeyTable()[0][5], 65);
    EXPECT_FALSE(model_.HasUnsavedChanges(SettingsBuild::Normal));
}

TEST_F(OptaraModelTest, CreatedDefaultFileReadsBackAsTheShippedDefaultsInTheGame) {
    ASSERT_EQ(model_.CreateDefaultFile(SettingsBuild::LowSpec), SettingsStatus::Ok);
    GameSettings game;
    ASSERT_EQ(ReadGameSettings(folder_.FileOf(SettingsBuild::LowSpec), game, warnings_),
              SettingsStatus::Ok);
    EXPECT_EQ(game.KeyTable, DefaultKeyTable());
    EXPECT_EQ(game.TargetFps, 30);
    EXPECT_EQ(game.ColorDepth, 16);
    EXPECT_TRUE(model_.IsLoaded(SettingsBuild::LowSpec));
    EXPECT_FALSE(model_.HasUnsavedChanges(SettingsBuild::LowSpec));
    EXPECT_EQ(model_.Target(), SettingsBuild::Normal);  // creating does not switch
    EXPECT_FALSE(std::filesystem::exists(model_.BackupOf(SettingsBuild::LowSpec)));
}

TEST_F(OptaraModelTest, RecreatingADamagedFileKeepsItAsABackup) {
    folder_.WriteRaw(SettingsBuild::Normal, "ABC\r\n");
    OptaraModel model(folder_.Path());
    ASSERT_EQ(model.Open(warnings_), SettingsStatus::TooShort);
    ASSERT_EQ(model.CreateDefaultFile(SettingsBuild::Normal), SettingsStatus::Ok);
    EXPECT_EQ(folder_.Contents(model.BackupOf(SettingsBuild::Normal)), "ABC\r\n");
    EXPECT_EQ(model.BackupOf(SettingsBuild::Normal).filename(), "morva2.cfh.bak");
    EXPECT_EQ(model.KeyTable(), DefaultKeyTable());
    EXPECT_EQ(model.FrameRateIndex(), 5);
}

TEST_F(OptaraModelTest, AFolderInThePlaceOfTheFileIsLeftAlone) {
    std::filesystem::create_directories(folder_.FileOf(SettingsBuild::LowSpec) / "inside");
    EXPECT_EQ(model_.CreateDefaultFile(SettingsBuild::LowSpec), SettingsStatus::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(folder_.FileOf(SettingsBuild::LowSpec) / "inside"));
    EXPECT_FALSE(model_.IsLoaded(SettingsBuild::LowSpec));
}

TEST_F(OptaraModelTest, ProblemsToConfirmNameTheirConfigurationAndLeaveOutSpace) {
    model_.ChooseConfig(1);
    ASSERT_EQ(model_.Capture(kSlotLeft, 'J'), CaptureResult::Stored);
    ASSERT_EQ(model_.Capture(kSlotRight, 'J'), CaptureResult::Stored);
    model_.ChooseConfig(3);
    ASSERT_EQ(model_.Capture(kSlotJump, 32), CaptureResult::Stored);
    ASSERT_EQ(model_.Capture(kSlotGiveUp, 122), CaptureResult::Stored);
    const std::vector<std::string> lines = model_.ProblemsToConfirm(SettingsBuild::Normal);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Optara 2: ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("Optara 4: ", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find("F 11"), std::string::npos) << lines[1];
    EXPECT_EQ(model_.Problems(3).size(), 2u);  // F11 and the Space note
}

TEST_F(OptaraModelTest, SaveWritesOnlyTheTargetsFile) {
    folder_.WriteSettings(SettingsBuild::LowSpec, 48, 8, 0);
    ASSERT_EQ(model_.ChooseTarget(SettingsBuild::LowSpec, warnings_), SettingsStatus::Ok);
    const auto normalBefore =
        std::filesystem::last_write_time(folder_.FileOf(SettingsBuild::Normal));
    EXPECT_EQ(model_.Capture(0, 90), CaptureResult::Stored);
    model_.SetFrameRateIndex(0);
    ASSERT_EQ(model_.Save(), SettingsStatus::Ok);
    GameSettings game;
    ASSERT_EQ(ReadGameSettings(folder_.FileOf(SettingsBuild::LowSpec), game, warnings_),
              SettingsStatus::Ok);
    EXPECT_EQ(game.KeyTable[0][0], 90);
    EXPECT_EQ(game.TargetFps, 10);
    EXPECT_EQ(std::filesystem::last_write_time(folder_.FileOf(SettingsBuild::Normal)),
              normalBefore);
    ASSERT_EQ(ReadGameSettings(folder_.FileOf(SettingsBuild::Normal), game, warnings_),
              SettingsStatus::Ok);
    EXPECT_EQ(game.KeyTable[0][0], 65);
}

TEST_F(OptaraModelTest, SaveWritesCodesWithoutACharacterAsA) {
    // Configuration 4 slot 0 reads back from the double-byte "\x88\x88" as 0x88, which
    // has no character of its own; configuration 4 is never shown.
    const std::string line =
        "'%Z&QW" + std::string(18, 'B') + "\x88\x88" + "BBBBB" + "\x23\x1e\r\n";
    {
        std::ofstream out(folder_.FileOf(SettingsBuild::Normal), std::ios::binary);
        out << line;
    }
    ASSERT_EQ(model_.Open(warnings_), SettingsStatus::Ok);
    ASSERT_EQ(model_.KeyTable()[4][0], 0x88);
    EXPECT_EQ(model_.Save(), SettingsStatus::Ok);
    GameSettings game;
    ASSERT_EQ(ReadGameSettings(folder_.FileOf(SettingsBuild::Normal), game, warnings_),
              SettingsStatus::Ok);
    EXPECT_EQ(game.KeyTable[4][0], 65);
    EXPECT_EQ(game.KeyTable[4][1], 'B');
    EXPECT_EQ(game.KeyTable[0][kSlotJump], 38);
}

TEST_F(OptaraModelTest, ListIndexesOutsideTheListsAreIgnored) {
    model_.SetFrameRateIndex(9);
    model_.SetColorIndex(-1);
    EXPECT_EQ(model_.FrameRateIndex(), 2);
    EXPECT_EQ(model_.ColorIndex(), 1);
}

}  // namespace
}  // namespace tarn::optara
