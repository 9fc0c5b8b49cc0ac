// Writing the settings line: exact bytes, round trips, refusals and atomic replacement.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "SettingsLines.h"
#include "settings/SettingsFile.h"
#include "support/Cp932.h"

namespace tarn {
namespace {

using testing::ReadFile;
using testing::ScratchDir;
using testing::WriteFile;

ToolSettings ArrowSettings() {
    ToolSettings settings;
    for (auto& config : settings.KeyTable) {
        config = {39, 37, 90, 38, 'Q', 'W'};
    }
    settings.frameRateIndex = 5;
    settings.colorIndex = 1;
    return settings;
}

std::vector<int> StorableCodes() {
    std::vector<int> codes;
    for (int code = 0; code < 256; ++code) {
        if (IsStorableKeyCode(code)) {
            codes.push_back(code);
        }
    }
    return codes;
}

TEST(StorableKeyCodeTest, LineEndsAndLeadBytesAreNotStorable) {
    EXPECT_FALSE(IsStorableKeyCode(10));
    EXPECT_FALSE(IsStorableKeyCode(13));
    for (int code = 0; code < 256; ++code) {
        if (cp932::IsLeadByte(static_cast<unsigned char>(code))) {
            EXPECT_FALSE(IsStorableKeyCode(code)) << code;
        }
    }
}

TEST(StorableKeyCodeTest, SingleByteCharactersAndZeroAreStorable) {
    for (const int code :
         {0, 8, 9, 27, 32, 48, 65, 90, 96, 105, 0x80, 0xA0, 0xA1, 0xDF, 0xFD, 0xFF}) {
        EXPECT_TRUE(IsStorableKeyCode(code)) << code;
    }
}

TEST(StorableKeyCodeTest, CodesOutsideOneByteAreNotStorable) {
    EXPECT_FALSE(IsStorableKeyCode(-1));
    EXPECT_FALSE(IsStorableKeyCode(256));
}

TEST(FormatSettingsLineTest, LineIsThirtyKeysFrameColourAndCrLf) {
    std::string line;
    ASSERT_EQ(FormatSettingsLine(ArrowSettings(), line), SettingsStatus::Ok);
    ASSERT_EQ(line.size(), 34u);
    EXPECT_EQ(line.substr(0, 6), "'%Z&QW");
    EXPECT_EQ(line[30], 35);
    EXPECT_EQ(line[31], 31);
    EXPECT_EQ(line.substr(32), "\r\n");
}

class WriteTest : public ::testing::Test {
  protected:
    ScratchDir folder_;
    std::filesystem::path file_ = folder_ / "morva2.cfh";
    SettingsWarnings warnings_;
};

TEST_F(WriteTest, EveryStorableCodeReadsBackUnchangedByBothReaders) {
    const std::vector<int> codes = StorableCodes();
    for (std::size_t first = 0; first < codes.size(); first += 30) {
        ToolSettings written;
        for (int i = 0; i < 30; ++i) {
            written.KeyTable[i / kSlotCount][i % kSlotCount] =
                static_cast<std::uint8_t>(codes[(first + i) % codes.size()]);
        }
        ASSERT_EQ(WriteSettingsFile(file_, written), SettingsStatus::Ok);
        GameSettings game;
        ToolSettings tool;
        ASSERT_EQ(ReadGameSettings(file_, game, warnings_), SettingsStatus::Ok);
        ASSERT_EQ(ReadToolSettings(file_, tool, warnings_), SettingsStatus::Ok);
        EXPECT_EQ(game.KeyTable, written.KeyTable) << "from code " << codes[first];
        EXPECT_EQ(tool.KeyTable, written.KeyTable) << "from code " << codes[first];
    }
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(WriteTest, EveryFrameRateAndColourReadsBackUnchanged) {
    for (int frame = 0; frame < kFrameRateCount; ++frame) {
        for (int colour = 0; colour < kColorCount; ++colour) {
            ToolSettings written = ArrowSettings();
            written.frameRateIndex = frame;
            written.colorIndex = colour;
            ASSERT_EQ(WriteSettingsFile(file_, written), SettingsStatus::Ok);
            GameSettings game;
            ToolSettings tool;
            ASSERT_EQ(ReadGameSettings(file_, game, warnings_), SettingsStatus::Ok);
            ASSERT_EQ(ReadToolSettings(file_, tool, warnings_), SettingsStatus::Ok);
            EXPECT_EQ(game.TargetFps, FrameRateOfIndex(frame));
            EXPECT_EQ(game.ColorDepth, colour == 0 ? 8 : 16);
            EXPECT_EQ(tool.frameRateIndex, frame);
            EXPECT_EQ(tool.colorIndex, colour);
        }
    }
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(WriteTest, UnstorableKeyIsRefusedAndTheOldFileKept) {
    WriteFile(file_, "old contents\r\n");
    for (const int code : {10, 13, 0x81, 0x9F, 0xE0, 0xFC}) {
        ToolSettings settings = ArrowSettings();
        settings.KeyTable[3][4] = static_cast<std::uint8_t>(code);
        EXPECT_EQ(WriteSettingsFile(file_, settings), SettingsStatus::KeyNotStorable) << code;
        EXPECT_EQ(ReadFile(file_), "old contents\r\n");
    }
}

TEST_F(WriteTest, RefusalCreatesNoFile) {
    ToolSettings settings = ArrowSettings();
    settings.KeyTable[0][0] = 13;
    EXPECT_EQ(WriteSettingsFile(file_, settings), SettingsStatus::KeyNotStorable);
    EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
}

TEST_F(WriteTest, IndexesOutsideTheListsAreRefused) {
    WriteFile(file_, "old");
    for (const auto& [frame, colour] : {std::pair{-1, 0}, {9, 0}, {0, -1}, {0, 2}}) {
        ToolSettings settings = ArrowSettings();
        settings.frameRateIndex = frame;
        settings.colorIndex = colour;
        EXPECT_EQ(WriteSettingsFile(file_, settings), SettingsStatus::ValueOutOfRange);
        EXPECT_EQ(ReadFile(file_), "old");
    }
}

TEST_F(WriteTest, WriteReplacesTheFileByRenameLeavingNoTemporaryFile) {
    WriteFile(file_, "old contents\r\n");
    // A second name for the old file: an in-place rewrite would change what it shows.
    const auto oldLink = folder_ / "old-link";
    std::filesystem::create_hard_link(file_, oldLink);
    ASSERT_EQ(WriteSettingsFile(file_, ArrowSettings()), SettingsStatus::Ok);
    EXPECT_EQ(ReadFile(oldLink), "old contents\r\n");
    EXPECT_EQ(ReadFile(file_).size(), 34u);
    std::filesystem::remove(oldLink);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(WriteTest, WriteKeepsThePermissionsOfTheReplacedFile) {
    WriteFile(file_, "old");
    ::chmod(file_.c_str(), 0640);
    ASSERT_EQ(WriteSettingsFile(file_, ArrowSettings()), SettingsStatus::Ok);
    struct stat info {};
    ASSERT_EQ(::stat(file_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(WriteTest, MissingFolderFailsToWrite) {
    EXPECT_EQ(WriteSettingsFile(folder_ / "no-such-folder" / "morva2.cf", ArrowSettings()),
              SettingsStatus::WriteFailed);
}

TEST_F(WriteTest, FolderInPlaceOfTheFileFailsAndLeavesNoTemporaryFile) {
    std::filesystem::create_directories(file_ / "inner");
    EXPECT_EQ(WriteSettingsFile(file_, ArrowSettings()), SettingsStatus::WriteFailed);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(WriteTest, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser writes into read-only folders";
    }
    WriteFile(file_, "old");
    ::chmod(folder_.path().c_str(), 0555);
    EXPECT_EQ(WriteSettingsFile(file_, ArrowSettings()), SettingsStatus::WriteFailed);
    ::chmod(folder_.path().c_str(), 0755);
    EXPECT_EQ(ReadFile(file_), "old");
}

TEST_F(WriteTest, ReadOnlyFileIsKeptAndTheMessageNamesItAndWhy) {
    WriteFile(file_, "old");
    ASSERT_EQ(::chmod(file_.c_str(), 0444), 0);
    FileReason why;
    EXPECT_EQ(WriteSettingsFile(file_, ArrowSettings(), &why), SettingsStatus::WriteProtected);
    EXPECT_EQ(ReadFile(file_), "old");
    const std::string message = SettingsMessage(SettingsStatus::WriteProtected, file_, why);
    EXPECT_NE(message.find(file_.string()), std::string::npos) << message;
    EXPECT_NE(message.find("読み取り専用"), std::string::npos) << message;
}

TEST_F(WriteTest, FailedWriteMessageGivesTheSystemsReason) {
    FileReason why;
    const auto file = folder_ / "no-such-folder" / "morva2.cf";
    EXPECT_EQ(WriteSettingsFile(file, ArrowSettings(), &why), SettingsStatus::WriteFailed);
    EXPECT_EQ(SettingsMessage(SettingsStatus::WriteFailed, file, why),
              "設定ファイルを書き込めません\n" + file.string() +
                  "\n（ファイルまたはフォルダが見つかりません）");
}

}  // namespace
}  // namespace tarn
