// The command line.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "game/core/CommandLine.h"
#include "support/Version.h"

namespace tarn::game {
namespace {

TEST(CommandLineTest, ReadsEveryOption) {
    Options o;
    const auto result =
        ParseCommandLine({"--root", "/r", "--windowed", "--stage", "2-1", "--headless", "--replay",
                          "in.txt", "--frames", "0", "--dump-state", "--screenshot", "s.bmp"},
                         o);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(o.root, "/r");
    EXPECT_TRUE(o.windowed);
    EXPECT_EQ(o.stage, "2-1");
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.replay, "in.txt");
    ASSERT_TRUE(o.frames.has_value());
    EXPECT_EQ(*o.frames, 0u);
    EXPECT_TRUE(o.dumpState);
    EXPECT_EQ(o.screenshot, "s.bmp");
}

TEST(CommandLineTest, ReadsThePlayersPreferences) {
    Options o;
    ASSERT_TRUE(ParseCommandLine({}, o).ok);
    EXPECT_FALSE(o.musicVolume || o.effectsVolume || o.smoothScaling) << "nothing given";
    const auto result = ParseCommandLine(
        {"--music-volume", "40", "--effects-volume", "0", "--scaling", "smooth"}, o);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(o.musicVolume, 40);
    EXPECT_EQ(o.effectsVolume, 0);
    EXPECT_EQ(o.smoothScaling, true);
    ASSERT_TRUE(ParseCommandLine({"--scaling", "sharp", "--music-volume", "100"}, o).ok);
    EXPECT_EQ(o.smoothScaling, false);
    EXPECT_EQ(o.musicVolume, 100);
}

TEST(CommandLineTest, RejectsVolumesOutsideTheirRangeAndUnknownScalings) {
    Options o;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--music-volume", "101"},
                                               {"--music-volume", "-1"},
                                               {"--effects-volume", "loud"},
                                               {"--effects-volume"},
                                               {"--scaling", "linear"},
                                               {"--scaling"}}) {
        const auto result = ParseCommandLine(args, o);
        EXPECT_FALSE(result.ok) << args[0];
        EXPECT_NE(result.error.find(args[0]), std::string::npos) << result.error;
    }
}

TEST(CommandLineTest, FullscreenIsTheDefaultAndTheLastWordWins) {
    Options o;
    ASSERT_TRUE(ParseCommandLine({}, o).ok);
    EXPECT_FALSE(o.windowed);
    ASSERT_TRUE(ParseCommandLine({"--windowed", "--fullscreen"}, o).ok);
    EXPECT_FALSE(o.windowed);
}

TEST(CommandLineTest, RejectsUnknownOptionsAndMissingValues) {
    Options o;
    EXPECT_FALSE(ParseCommandLine({"--bogus"}, o).ok);
    EXPECT_FALSE(ParseCommandLine({"--stage"}, o).ok);
    EXPECT_FALSE(ParseCommandLine({"--frames", "ten"}, o).ok);
    EXPECT_FALSE(ParseCommandLine({"--frames", "-1"}, o).ok);
    EXPECT_FALSE(ParseCommandLine({"--replay", "a", "--record", "b"}, o).ok);
}

TEST(CommandLineTest, HelpNamesEveryOption) {
    std::ostringstream out;
    PrintHelp(out, "TarnVer2");
    for (const char* option :
         {"--root", "--windowed", "--fullscreen", "--stage", "--headless", "--replay", "--record",
          "--frames", "--dump-state", "--screenshot", "--music-volume", "--effects-volume",
          "--scaling", "--help", "--version"}) {
        EXPECT_NE(out.str().find(option), std::string::npos) << option;
    }
}

TEST(CommandLineTest, VersionIsTheProjectsVersion) {
    std::ostringstream out;
    PrintVersion(out, "Tarn Ver2.0Low");
    EXPECT_EQ(out.str(), std::string("Tarn Ver2.0Low ") + kVersion + "\n");
}

TEST(ProgramTest, ExitStatusesOfTheProgram) {
    const char* dir = std::getenv("TARN_PROGRAM_DIR");
    ASSERT_NE(dir, nullptr);
    const std::string program = std::string("\"") + dir + "/TarnVer2\"";
    const auto status = [](const std::string& command) {
        const int raw = std::system((command + " >/dev/null 2>&1").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status(program + " --help"), 0);
    EXPECT_EQ(status(program + " --version"), 0);
    EXPECT_EQ(status(program + " --bogus"), 2);
    EXPECT_EQ(status(program + " --headless --root /nonexistent-tarn-root --frames 0"), 1);
}

}  // namespace
}  // namespace tarn::game
