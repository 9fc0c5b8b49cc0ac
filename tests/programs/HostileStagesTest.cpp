// Damaged and hostile stage files through the built programs: the game (headless), the
// editor's command-line export and tr2tool check. Nothing outside the stage folder is
// read, every message quotes only an excerpt of the file, and no escape sequence of a
// stage reaches the terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>

#include "support/BinAngsDL.h"
#include "tests/common/RunProgram.h"
#include "tests/common/StageSamples.h"
#include "tests/common/TestFiles.h"

namespace tarn {
namespace {

using testing::Bytes;
using testing::ProgramPath;
using testing::ProgramRun;
using testing::RunProgram;
using testing::ScratchDir;
using testing::StageWith;

// No message of a program may come near the size of the lines below.
constexpr std::size_t kMessageBound = 4096;

class HostileStage : public ::testing::Test {
  protected:
    // A stage of the shipped program folder's look (its background is there) in a stage
    // folder of its own, two levels below the scratch folder.
    std::filesystem::path Stage(const std::map<int, std::string>& lines) {
        std::map<int, std::string> all = {{1, "sky.bmp"}};
        for (const auto& [number, text] : lines) {
            all[number] = text;
        }
        const std::string plain = StageWith(all);
        const auto path = stages_ / "hostile.tr2";
        EXPECT_EQ(WriteEncipheredFile(path, Bytes(plain)), ContainerStatus::Ok);
        return path;
    }

    ProgramRun Game(const std::filesystem::path& stage) {
        return RunProgram(ProgramPath("TarnVer2"),
                          {"--headless", "--stage", stage.string(), "--frames", "0"});
    }
    ProgramRun Check(const std::filesystem::path& stage) {
        return RunProgram(ProgramPath("tr2tool"), {"check", stage.string()});
    }
    // Empty when the editor is not built.
    std::optional<ProgramRun> Export(const std::filesystem::path& stage) {
        if (!std::filesystem::exists(ProgramPath("Gridsmith"))) {
            return std::nullopt;
        }
        return RunProgram(ProgramPath("Gridsmith"),
                          {"--export-bmp", stage.string(), (scratch_ / "out.bmp").string()});
    }

    void SetUp() override {
        stages_ = scratch_ / "a" / "b";
        std::filesystem::create_directories(stages_);
        // Stages and files wherever an unchecked name would lead.
        const std::string good = StageWith({{1, "sky.bmp"}});
        for (const auto& where : {scratch_ / "x.tr2", scratch_.path() / "a" / "x.tr2",
                                  stages_ / "x", stages_ / "x.tr2"}) {
            EXPECT_EQ(WriteEncipheredFile(where, Bytes(good)), ContainerStatus::Ok);
        }
    }

    ScratchDir scratch_;
    std::filesystem::path stages_;
};

void ExpectRefusedAsDamaged(const ProgramRun& run, const std::string& line) {
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("is damaged: line " + line), std::string::npos) << run.err;
    EXPECT_LT(run.errBytes, kMessageBound);
}

void ExpectReportedOnLine(const ProgramRun& run, const std::string& line, const std::string& what) {
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("hostile.tr2:" + line + ": " + what), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
    EXPECT_LT(run.outBytes, kMessageBound);
}

TEST_F(HostileStage, NextStagesThatLeaveTheStageFolderAreADamagedStage) {
    const std::string absolute = (scratch_ / "x").string();
    const std::map<int, std::string> cases[] = {
        {{96, "../../x"}}, {{96, "..\\..\\x"}},           {{66, absolute}},
        {{66, "a/x"}},     {{96, std::string("x\0", 2)}},  // would open "x" itself: the name ends
                                                           // at the NUL
    };
    for (const auto& lines : cases) {
        const std::string line = std::to_string(lines.begin()->first);
        SCOPED_TRACE(line + ": " + lines.begin()->second);
        const auto stage = Stage(lines);
        ExpectRefusedAsDamaged(Game(stage), line);
        ExpectReportedOnLine(Check(stage), line, "next stage after goal");
    }
}

TEST_F(HostileStage, NoneEmptyAndMissingNextStagesStillMeanAllClear) {
    for (const std::string name : {"NONE", "", "not-there"}) {
        SCOPED_TRACE(name);
        const ProgramRun run = Game(Stage({{66, name}, {96, name}}));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(HostileStage, BackgroundOutsideTheBmpFolderIsReportedByCheck) {
    const auto stage = Stage({{1, "../../../../etc/passwd"}});
    ExpectRefusedAsDamaged(Game(stage), "1");
    ExpectReportedOnLine(Check(stage), "1", "background");
}

TEST_F(HostileStage, EscapeSequencesOfAStageNeverReachTheTerminal) {
    const auto stage = Stage({{96, "\x1b]0;owned\a\x1b[2J"}, {66, "\x1b[31mred"}});
    const ProgramRun check = Check(stage);
    ExpectReportedOnLine(check, "96", "next stage after goal 1");
    const ProgramRun game = Game(stage);
    EXPECT_EQ(game.status, 1);
    EXPECT_EQ(game.err.find('\x1b'), std::string::npos) << game.err;
}

TEST_F(HostileStage, HugeLinesAreADamagedStageWithAShortMessage) {
    const std::string huge(1 << 20, 'A');
    for (const int line : {1, 2, 96}) {
        SCOPED_TRACE(line);
        const auto stage = Stage({{line, huge}});
        const std::string number = std::to_string(line);
        ExpectRefusedAsDamaged(Game(stage), number);
        ExpectReportedOnLine(Check(stage), number, "the line holds 1048576 bytes");
        if (const auto exported = Export(stage)) {
            EXPECT_EQ(exported->status, 1);
            EXPECT_NE(exported->err.find(number + " 行目が長すぎます"), std::string::npos)
                << exported->err;
            EXPECT_LT(exported->errBytes, kMessageBound);
        }
    }
}

TEST_F(HostileStage, HugeMapRowsAreCutWhereTheReadersCut) {
    const auto stage = Stage({{10, std::string(1 << 20, '0')}});
    const ProgramRun game = Game(stage);
    EXPECT_EQ(game.status, 0) << game.err;
    const ProgramRun check = Check(stage);
    EXPECT_NE(check.out.find("hostile.tr2:10: map row 5: 1048576 characters instead of 200"),
              std::string::npos)
        << check.out;
    EXPECT_LT(check.outBytes, kMessageBound);
    if (const auto exported = Export(stage)) {
        EXPECT_EQ(exported->status, 0) << exported->err;
    }
}

TEST_F(HostileStage, StageNameThatIsNoFileIsToldForWhatItIs) {
    std::filesystem::create_directory(stages_ / "folder.tr2");
    ASSERT_EQ(::mkfifo((stages_ / "pipe.tr2").c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        {"folder.tr2", "not a regular file but a folder"},
        {"pipe.tr2", "not a regular file but a pipe"},
        {"none.tr2", "does not exist"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        const ProgramRun run = Game(stages_ / name);
        EXPECT_EQ(run.status, 1);
        EXPECT_FALSE(run.timedOut);
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace tarn
