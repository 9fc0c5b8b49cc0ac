// The game on an installed program folder: the user's settings copy, and the user's
// stage folders after the shipped ones.
#include <gtest/gtest.h>

#include "GameFixture.h"
#include "settings/SettingsFile.h"
#include "support/BinAngsDL.h"

namespace tarn::game::testing {
namespace {

namespace fs = std::filesystem;

class InstalledFoldersTest : public ::testing::Test {
  protected:
    InstalledFoldersTest() {
        folder.AddStage("standard", "1-1", FloorStage(150));
        FolderEnvironment environment;
        environment.home = user.path().string();
        environment.temporary = user / "tmp";
        std::string error;
        paths = *InstalledPaths(folder.root(), environment, error);
    }

    // Runs with the folder as an install; `finish` sees the game at the end.
    RunResult Run(Options options, const std::function<void(Game&)>& finish = {}) {
        return RunHeadless(folder, options, nullptr, {}, finish, false, nullptr, &paths);
    }

    // The frame rate the game took from the settings, playing stage 1-1.
    int FrameRateOfAStage() {
        Options options;
        options.stage = "1-1";
        options.frames = 0;
        int fps = 0;
        Run(options, [&](Game& game) { fps = game.state.TargetFps; });
        return fps;
    }

    void AddUserStage(const std::string& stageFolder, double time) {
        fs::create_directories(paths.UserStageRoot() / stageFolder);
        const std::string text = WriteStageText(FloorStage(time));
        ASSERT_EQ(WriteEncipheredFile(paths.UserStageRoot() / stageFolder / "1-1.tr2",
                                      std::vector<std::uint8_t>(text.begin(), text.end())),
                  ContainerStatus::Ok);
    }

    ProgramFolder folder;
    ScratchDir user;
    ProgramPaths paths;
};

TEST_F(InstalledFoldersTest, UsersStageFoldersFollowTheShippedOnes) {
    AddUserStage("zz-mine", 90);
    AddUserStage("aa-mine", 80);
    std::vector<fs::path> listed;
    Options options;
    options.stage = "1-1";
    options.frames = 0;
    Run(options, [&](Game& game) { listed = game.folders.StageDirs; });
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0], folder.root() / "data" / "standard" / "");
    EXPECT_EQ(listed[1], paths.UserStageRoot() / "aa-mine" / "");
    EXPECT_EQ(listed[2], paths.UserStageRoot() / "zz-mine" / "");
}

TEST_F(InstalledFoldersTest, OnlyAUserStageFolderIsEnoughToPlay) {
    fs::remove_all(folder.root() / "data" / "standard");
    AddUserStage("mine", 120);
    Options options;
    options.stage = "1-1";
    options.frames = 0;
    int timeLeft = 0;
    const RunResult result =
        Run(options, [&](Game& game) { timeLeft = int(game.state.counters.TimeLeft); });
    EXPECT_EQ(result.status, 0) << AllTexts(result.messages);
    EXPECT_EQ(timeLeft, 120);
}

TEST_F(InstalledFoldersTest, NoStageFolderNamesBothPlaces) {
    fs::remove_all(folder.root() / "data" / "standard");
    const RunResult result = Run(Options{});
    EXPECT_EQ(result.status, 1);
    const std::string shown = AllTexts(result.messages);
    EXPECT_NE(shown.find((folder.root() / "data").string()), std::string::npos) << shown;
    EXPECT_NE(shown.find(paths.UserStageRoot().string()), std::string::npos) << shown;
}

TEST_F(InstalledFoldersTest, UsersSettingsCopyWinsOverTheShippedFile) {
    folder.WriteSettings(60, 16);
    ToolSettings mine;
    mine.frameRateIndex = 2;  // 30 frames per second
    mine.colorIndex = 0;
    std::string error;
    ASSERT_TRUE(MakeUserFolder(paths.configFolder, error)) << error;
    ASSERT_EQ(WriteSettingsFile(paths.configFolder / SettingsFileName(SettingsBuild::Normal), mine),
              SettingsStatus::Ok);
    EXPECT_EQ(FrameRateOfAStage(), 30);
}

TEST_F(InstalledFoldersTest, ShippedSettingsServeUntilTheUserHasACopy) {
    folder.WriteSettings(50, 16);
    EXPECT_EQ(FrameRateOfAStage(), 50);
    EXPECT_FALSE(fs::exists(paths.configFolder)) << "reading makes no folder of the user's";
}

}  // namespace
}  // namespace tarn::game::testing
