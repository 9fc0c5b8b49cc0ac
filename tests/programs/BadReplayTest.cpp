// Bad replay files through the built game: each is refused at once with a clear message
// and exit status 2, never read without end or played past the frame limit.
#include <gtest/gtest.h>

#include <string>

#include "tests/common/RunProgram.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::ProgramPath;
using testing::ProgramRun;
using testing::RunProgram;
using testing::ScratchDir;
using testing::WriteFile;

ProgramRun Replay(const std::string& replay) {
    return RunProgram(ProgramPath("TarnVer2"),
                      {"--headless", "--replay", replay, "--frames", "100"}, 60);
}

TEST(BadReplay, EndlessDeviceIsRefusedUnread) {
    const ProgramRun run = Replay("/dev/zero");
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("not a regular file but a device"), std::string::npos) << run.err;
}

TEST(BadReplay, ClockStepNearTheClocksLimitIsRefused) {
    ScratchDir dir;
    WriteFile(dir / "r.txt", "1 39\nc 4294967000\n");
    const ProgramRun run = Replay((dir / "r.txt").string());
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("r.txt:2: a clock difference"), std::string::npos) << run.err;
}

TEST(BadReplay, ClockReadingsThatWrapAroundEndAtTheFrameLimit) {
    ScratchDir dir;
    std::string clock = "c 2147483647 2147483000";
    for (int i = 0; i < 300; ++i) {
        clock += " 4";
    }
    WriteFile(dir / "r.txt", "1 39\n" + clock + "\n");
    const ProgramRun run = Replay((dir / "r.txt").string());
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace tarn
