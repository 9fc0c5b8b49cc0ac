// --trace: the sounds asked for, the texts printed and the strip's changes, a line per
// frame, checked on the played 1-1 replay and on a pause.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "GameFixture.h"
#include "game/core/CommandLine.h"
#include "game/core/Trace.h"

namespace tarn::game::testing {
namespace {

std::vector<std::string> Lines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool Has(const std::string& line, const std::string& item) {
    return line.find(item) != std::string::npos;
}

TEST(TraceTest, ThePlayedStageListsItsSoundsAndTextsAtTheirFrames) {
    const char* program = std::getenv("TARN_PROGRAM_DIR");
    const char* source = std::getenv("TARN_SOURCE_DIR");
    ASSERT_TRUE(program != nullptr && source != nullptr);
    const ScratchDir scratch;
    Options options;
    options.root = program;
    options.headless = true;
    options.stage = "1-1";
    options.replay = std::filesystem::path(source) / "assets/stages/standard/replays/1-1.rpl";
    options.frames = 900;
    options.trace = scratch.path() / "1-1.trace";
    HeadlessPlatform platform;
    PlatformInput nobody(platform, PlatformInput::Person::Nobody);
    std::ostringstream out;
    ASSERT_EQ(RunGame(options, PortablePaths(options.root), platform, nobody, ProgramInfo{}, out),
              0);

    const std::vector<std::string> lines = Lines(options.trace);
    ASSERT_EQ(lines.size(), 901u) << "line 0, then one a frame";
    for (std::size_t frame = 0; frame < lines.size(); ++frame) {
        ASSERT_EQ(lines[frame].substr(0, lines[frame].find(' ')), std::to_string(frame));
    }
    EXPECT_TRUE(Has(lines[0], "text view 0,0 48 \"now loading...(1-1)\""));
    EXPECT_TRUE(Has(lines[0], "sound bgn loop")) << "the music starts with the stage";
    EXPECT_TRUE(Has(lines[1], "strip lives \"5\""));
    EXPECT_TRUE(Has(lines[1], "strip stage \"1-1:はじまりの草原\""));
    // The replay holds Up from frame 26 and first takes coins at frame 31.
    EXPECT_EQ(lines[26], "26 sound jump01 stop; sound jump01 play");
    EXPECT_TRUE(Has(lines[31], "sound coin play"));
    EXPECT_TRUE(Has(lines[31], "strip coins \"2\""));
    // A stomp prints its score into the composition picture, in map pixels.
    EXPECT_TRUE(Has(lines[99], "sound tded play; text score 425,864 12 \"100\"")) << lines[99];
    // The stage is cleared at frame 791: the music stops, the fanfare sounds, the texts
    // are printed a letter at a time, and the next stage loads.
    const std::string& cleared = lines[791];
    EXPECT_TRUE(Has(cleared, "sound bgn stop; sound bgn rewind; sound clear play")) << cleared;
    EXPECT_TRUE(Has(cleared, "text view 0,122 48 \"           CLEAR!!\"")) << cleared;
    EXPECT_TRUE(Has(cleared, "text view 0,183 48 \" GO TO NEXT STAGE!\"")) << cleared;
    EXPECT_TRUE(Has(cleared, "\"now loading...(1-2)\"")) << cleared;
    for (std::size_t frame = 32; frame < 791; ++frame) {
        EXPECT_FALSE(Has(lines[frame], "clear")) << lines[frame];
    }
}

TEST(TraceTest, APauseShowsItsTexts) {
    ProgramFolder folder;
    folder.AddStage("a", "1-1", FloorStage());
    const ScratchDir scratch;
    Options options;
    options.stage = "1-1";
    options.frames = 12;
    options.replay = WriteReplay(folder, "5 32\n6\n");
    options.trace = scratch.path() / "pause.trace";
    ASSERT_EQ(RunHeadless(folder, options).status, 0);
    const std::vector<std::string> lines = Lines(options.trace);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_FALSE(Has(lines[5], "\"\"")) << "empty prints are left out";
    EXPECT_TRUE(Has(lines[5], "48 \"           Pause\"")) << lines[5];
    EXPECT_TRUE(Has(lines[5], "16 \"                                  Press Enter To Restart\""))
        << lines[5];
    EXPECT_EQ(lines[6], "6");
}

TEST(TraceTest, AnUnwritableTraceIsReportedAndTheRunDoesNotStart) {
    ProgramFolder folder;
    folder.AddStage("a", "1-1", FloorStage());
    Options options;
    options.stage = "1-1";
    options.frames = 5;
    options.trace = folder.root() / "no such folder" / "t.trace";
    const RunResult run = RunHeadless(folder, options);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(AllTexts(run.messages), "Cannot write the trace")) << AllTexts(run.messages);
}

TEST(TraceOptionTest, TakesAFile) {
    Options options;
    EXPECT_TRUE(ParseCommandLine({"--trace", "run.trace"}, options).ok);
    EXPECT_EQ(options.trace, "run.trace");
    EXPECT_FALSE(ParseCommandLine({"--trace"}, options).ok);
}

}  // namespace
}  // namespace tarn::game::testing
