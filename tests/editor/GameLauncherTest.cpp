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

QString Folder(const ScratchDir& folder) {
    return QString::fromStdString(folder.path().string());
}

TEST(GameLauncher, RunningGameIsSeenAndNoSecondOneStarts) {
    ScratchDir folder;
    QtGameLauncher launcher;
    EXPECT_FALSE(launcher.Running());
    ASSERT_TRUE(
        launcher.Start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, Folder(folder)));
    EXPECT_TRUE(launcher.Running());
    EXPECT_FALSE(
        launcher.Start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, Folder(folder)));
}

TEST(GameLauncher, GameThatEndedMayBeStartedAgain) {
    ScratchDir folder;
    QtGameLauncher launcher;
    ASSERT_TRUE(launcher.Start(QStringLiteral("/bin/true"), {}, Folder(folder)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !launcher.Running(); }, 10000));
    EXPECT_TRUE(launcher.Start(QStringLiteral("/bin/true"), {}, Folder(folder)));
}

TEST(GameLauncher, MissingProgramDoesNotStart) {
    ScratchDir folder;
    QtGameLauncher launcher;
    EXPECT_FALSE(launcher.Start(Folder(folder) + QStringLiteral("/TarnVer2"), {}, Folder(folder)));
    EXPECT_FALSE(launcher.Running());
}

TEST(GameLauncher, GameStillRunningEndsWithTheEditor) {
    ScratchDir folder;
    const auto marker = folder / "ended";
    {
        QtGameLauncher launcher;
        // A stand-in game that notes its own end when asked to stop.
        ASSERT_TRUE(launcher.Start(
            QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QStringLiteral("trap 'touch ended; exit 0' TERM; while :; do sleep 0.05; done")},
            Folder(folder)));
        // Give the shell time to set its trap.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    EXPECT_TRUE(std::filesystem::exists(marker));
}

}  // namespace
}  // namespace tarn::editor
