// The preferences file: what it keeps, and that nothing in it can fail the game.
#include "game/platform/Preferences.h"

#include <gtest/gtest.h>

#include "tests/common/TestFiles.h"

namespace tarn::game {
namespace {

using ::tarn::testing::ReadFile;
using ::tarn::testing::ScratchDir;
using ::tarn::testing::WriteFile;

TEST(PreferencesTest, LiveInTheProgramFolder) {
    EXPECT_EQ(PreferencesFile("/games/tarn2"),
              std::filesystem::path("/games/tarn2/preferences.ini"));
}

TEST(PreferencesTest, WrittenValuesReadBack) {
    ScratchDir dir;
    const Preferences chosen{35, 0, 1400, 1100, true};
    ASSERT_TRUE(WritePreferences(dir / "preferences.ini", chosen));
    EXPECT_EQ(ReadPreferences(dir / "preferences.ini"), chosen);
    const std::string text = ReadFile(dir / "preferences.ini");
    EXPECT_NE(text.find("music-volume = 35\n"), std::string::npos) << text;
    EXPECT_NE(text.find("window = 1400x1100\n"), std::string::npos) << text;
    EXPECT_NE(text.find("scaling = smooth\n"), std::string::npos) << text;
}

TEST(PreferencesTest, MissingFileGivesTheDefaults) {
    ScratchDir dir;
    const Preferences read = ReadPreferences(dir / "preferences.ini");
    EXPECT_EQ(read, Preferences{});
    EXPECT_EQ(read.musicVolume, 100);
    EXPECT_EQ(read.effectsVolume, 100);
    EXPECT_FALSE(read.smoothScaling);
    EXPECT_EQ(read.windowWidth, 0);
}

TEST(PreferencesTest, BadLinesAndValuesKeepTheDefaults) {
    ScratchDir dir;
    WriteFile(dir / "preferences.ini",
              "# a comment\r\n"
              "music-volume = 250\n"
              "effects-volume=  60  \r\n"
              "window = 0x700\n"
              "scaling = blurry\n"
              "unknown = 3\n"
              "no equals sign\n"
              "= 4\n");
    const Preferences read = ReadPreferences(dir / "preferences.ini");
    EXPECT_EQ(read.musicVolume, 100);
    EXPECT_EQ(read.effectsVolume, 60);
    EXPECT_EQ(read.windowWidth, 0);
    EXPECT_EQ(read.windowHeight, 0);
    EXPECT_FALSE(read.smoothScaling);
}

TEST(PreferencesTest, AFolderOrAHugeFileInItsPlaceGivesTheDefaults) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "folder");
    EXPECT_EQ(ReadPreferences(dir / "folder"), Preferences{});
    WriteFile(dir / "huge", std::string(100 * 1024, '#'));
    EXPECT_EQ(ReadPreferences(dir / "huge"), Preferences{});
}

TEST(PreferencesTest, AFileThatCannotBeWrittenIsReported) {
    ScratchDir dir;
    EXPECT_FALSE(WritePreferences(dir / "no-such-folder" / "preferences.ini", Preferences{}));
}

TEST(PreferencesTest, CommandLineChoicesReplaceTheStoredOnesAndLeaveTheRest) {
    const Preferences stored{80, 70, 1280, 992, false};
    Options options;
    options.effectsVolume = 10;
    options.smoothScaling = true;
    const Preferences merged = WithCommandLine(stored, options);
    EXPECT_EQ(merged, (Preferences{80, 10, 1280, 992, true}));
    EXPECT_EQ(WithCommandLine(stored, Options{}), stored);
}

}  // namespace
}  // namespace tarn::game
