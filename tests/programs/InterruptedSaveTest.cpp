// Saves through the built tr2tool: a writer killed at any point leaves the stage file whole
// and nothing else after the next save, and a file the user made read-only is kept with a
// message that names it and says why.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "support/BinAngsDL.h"
#include "tests/common/RunProgram.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::NamesIn;
using testing::ProgramPath;
using testing::RunProgram;
using testing::ScratchDir;
using testing::WriteFile;

std::string PlainOf(const std::filesystem::path& stage) {
    BinAngsDL container;
    std::vector<std::uint8_t> plain;
    if (ReadEncipheredFile(container, stage, plain) != ContainerStatus::Ok) {
        return "(unreadable)";
    }
    return {plain.begin(), plain.end()};
}

// A text long enough that a kill often lands while it is being written.
std::string LongText(char fill) {
    std::string text;
    for (int line = 0; line < 4000; ++line) {
        text += std::string(60, fill) + "\r\n";
    }
    return text;
}

TEST(InterruptedSave, KilledEncodesLeaveOneWholeFileAndNoTemporaryFile) {
    ScratchDir dir;
    const std::string before = LongText('o');
    const std::string after = LongText('n');
    WriteFile(dir / "old.txt", before);
    WriteFile(dir / "new.txt", after);
    std::filesystem::create_directory(dir / "out");
    const auto stage = dir / "out" / "s.tr2";
    ASSERT_EQ(
        RunProgram(ProgramPath("tr2tool"), {"encode", (dir / "old.txt").string(), stage.string()})
            .status,
        0);
    const std::vector<std::string> newArgs = {"encode", (dir / "new.txt").string(), stage.string()};
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> delay(0, 60000);
    for (int kill = 0; kill < 200; ++kill) {
        int outFd = -1;
        int errFd = -1;
        const pid_t child = testing::SpawnProgram(ProgramPath("tr2tool"), newArgs, outFd, errFd);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(outFd);
        ::close(errFd);
        const std::string now = PlainOf(stage);
        ASSERT_TRUE(now == before || now == after) << "torn after kill " << kill;
    }
    ASSERT_EQ(RunProgram(ProgramPath("tr2tool"), newArgs).status, 0);
    EXPECT_EQ(PlainOf(stage), after);
    EXPECT_EQ(NamesIn(dir / "out"), std::vector<std::string>{"s.tr2"});
}

TEST(InterruptedSave, ReadOnlyStageFileIsKeptAndTheMessageNamesItAndWhy) {
    ScratchDir dir;
    WriteFile(dir / "old.txt", "old\r\n");
    WriteFile(dir / "new.txt", "new\r\n");
    const auto stage = dir / "s.tr2";
    ASSERT_EQ(
        RunProgram(ProgramPath("tr2tool"), {"encode", (dir / "old.txt").string(), stage.string()})
            .status,
        0);
    ASSERT_EQ(::chmod(stage.c_str(), 0444), 0);
    const auto run =
        RunProgram(ProgramPath("tr2tool"), {"encode", (dir / "new.txt").string(), stage.string()});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find(stage.string()), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
    EXPECT_EQ(PlainOf(stage), "old\r\n");
    EXPECT_EQ(NamesIn(dir.path()), (std::vector<std::string>{"new.txt", "old.txt", "s.tr2"}));
}

}  // namespace
}  // namespace tarn
