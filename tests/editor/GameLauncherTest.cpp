// The test-play launcher with real processes: one game at a time, its state followed,
// and a game still running ended with the editor.
#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <thread>

#include "editor/app/GameLauncher.h"
#include "tests/common/TestFiles.h"

namespace tarn::editor {
namespace {

using tarn::testing::ScratchDir;

TEST(GameLauncher, RunningGameIsSeenAndNoSecondOneStarts) {
    ScratchDir folder;
    QtGameLauncher launcher;
    EXPECT_FALSE(launcher.Running());
    ASSERT_TRUE(launcher.Start("/bin/sleep", {"30"}, folder.path()));
    EXPECT_TRUE(launcher.Running());
    EXPECT_FALSE(launcher.Start("/bin/sleep", {"30"}, folder.path()));
}

TEST(GameLauncher, GameThatEndedMayBeStartedAgain) {
    ScratchDir folder;
    QtGameLauncher launcher;
    ASSERT_TRUE(launcher.Start("/bin/true", {}, folder.path()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !launcher.Running(); }, 10000));
    EXPECT_TRUE(launcher.Start("/bin/true", {}, folder.path()));
}

TEST(GameLauncher, MissingProgramDoesNotStart) {
    ScratchDir folder;
    QtGameLauncher launcher;
    EXPECT_FALSE(launcher.Start(folder / "TarnVer2", {}, folder.path()));
    EXPECT_FALSE(launcher.Running());
}

TEST(GameLauncher, GameStillRunningEndsWithTheEditor) {
    ScratchDir folder;
    const auto marker = folder / "ended";
    {
        QtGameLauncher launcher;
        // A stand-in game that notes its own end when asked to stop.
        ASSERT_TRUE(launcher.Start(
            "/bin/sh", {"-c", "trap 'touch ended; exit 0' TERM; while :; do sleep 0.05; done"},
            folder.path()));
        // Give the shell time to set its trap.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    EXPECT_TRUE(std::filesystem::exists(marker));
}

// Names that are no UTF-8 reach the game as the system has them: the folder it starts
// in and its arguments.
TEST(GameLauncher, GameGetsFolderAndArgumentsAsTheirBytes) {
    ScratchDir scratch;
    const auto folder = scratch / "caf\xe9";
    std::filesystem::create_directory(folder);
    QtGameLauncher launcher;
    ASSERT_TRUE(launcher.Start("/bin/sh", {"-c", "printf %s \"$0\" > got", "\xff.tr2"}, folder));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !launcher.Running(); }, 10000));
    EXPECT_EQ(tarn::testing::ReadFile(folder / "got"), "\xff.tr2");
}

}  // namespace
}  // namespace tarn::editor
