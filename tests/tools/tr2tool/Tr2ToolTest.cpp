// tr2tool's commands run in-process, plus the built program's exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>

#include "support/BinAngsDL.h"
#include "support/StageText.h"
#include "support/Version.h"
#include "tests/common/StageSamples.h"
#include "tests/common/TestFiles.h"
#include "tools/tr2tool/Commands.h"

namespace tarn {
namespace {

using testing::Bytes;
using testing::ReadFile;
using testing::ScratchDir;
using testing::StageWith;
using testing::WriteFile;

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

Result RunTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    Result result;
    result.code = tr2tool::Run(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

void WriteStage(const std::filesystem::path& path, const std::string& plain) {
    ASSERT_EQ(WriteEncipheredFile(path, Bytes(plain)), ContainerStatus::Ok);
}

std::filesystem::path Fixture(const std::string& name) {
    const char* source = std::getenv("TARN_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "tests" / "data" / "stages" / name;
}

TEST(Tr2ToolUsage, HelpListsTheCommands) {
    const Result result = RunTool({"--help"});
    EXPECT_EQ(result.code, 0);
    for (const char* command : {"decode", "encode", "info", "check"}) {
        EXPECT_NE(result.out.find(command), std::string::npos) << command;
    }
}

TEST(Tr2ToolUsage, VersionIsTheProjectsVersion) {
    const Result result = RunTool({"--version"});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, std::string("tr2tool ") + kVersion + "\n");
    EXPECT_NE(RunTool({"--help"}).out.find("--version"), std::string::npos);
}

TEST(Tr2ToolUsage, EveryCommandHasHelp) {
    for (const std::string command : {"decode", "encode", "info", "check"}) {
        const Result result = RunTool({command, "--help"});
        EXPECT_EQ(result.code, 0) << command;
        EXPECT_EQ(result.out.rfind("Usage: tr2tool " + command, 0), 0u) << command;
    }
}

TEST(Tr2ToolUsage, UnknownCommandPointsToHelp) {
    const Result result = RunTool({"frobnicate"});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("unknown command 'frobnicate'"), std::string::npos);
    EXPECT_NE(result.err.find("tr2tool --help"), std::string::npos);
}

TEST(Tr2ToolUsage, UnknownOptionPointsToTheCommandsHelp) {
    const Result result = RunTool({"decode", "--fast", "x.tr2"});
    EXPECT_EQ(result.code, 2);
    EXPECT_NE(result.err.find("unknown option '--fast'"), std::string::npos);
    EXPECT_NE(result.err.find("tr2tool decode --help"), std::string::npos);
    EXPECT_EQ(RunTool({"--verbose"}).code, 2);
}

TEST(Tr2ToolUsage, MissingCommandOrOperandsIsAUsageError) {
    EXPECT_EQ(RunTool({}).code, 2);
    EXPECT_EQ(RunTool({"decode"}).code, 2);
    EXPECT_EQ(RunTool({"encode", "only-one"}).code, 2);
    EXPECT_EQ(RunTool({"info", "a", "b"}).code, 2);
    EXPECT_EQ(RunTool({"check"}).code, 2);
}

TEST(Tr2ToolCodec, EncodeThenDecodeGivesTheTextBack) {
    ScratchDir dir;
    const std::string plain = StageWith({{2, "\x83\x65\x83\x58\x83\x67"}});
    WriteFile(dir / "s.txt", plain);
    ASSERT_EQ(RunTool({"encode", (dir / "s.txt").string(), (dir / "s.tr2").string()}).code, 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "s.tr2"), plain.size() + 1);
    const Result decoded = RunTool({"decode", (dir / "s.tr2").string()});
    EXPECT_EQ(decoded.code, 0);
    EXPECT_EQ(decoded.out, plain);
}

TEST(Tr2ToolCodec, DecodeUtf8ConvertsFromCodePage932) {
    ScratchDir dir;
    WriteStage(dir / "s.tr2", "bg\r\n\x83\x65\x83\x58\x83\x67\r\n");
    const Result decoded = RunTool({"decode", "--utf8", (dir / "s.tr2").string()});
    EXPECT_EQ(decoded.code, 0);
    EXPECT_EQ(decoded.out, "bg\r\nテスト\r\n");
}

TEST(Tr2ToolCodec, EncodeUtf8AndCrLfNormaliseTheSource) {
    ScratchDir dir;
    WriteFile(dir / "s.txt",
              "\xEF\xBB\xBF"
              "bg\nテスト\n");
    ASSERT_EQ(
        RunTool({"encode", "--utf8", "--crlf", (dir / "s.txt").string(), (dir / "s.tr2").string()})
            .code,
        0);
    EXPECT_EQ(RunTool({"decode", (dir / "s.tr2").string()}).out,
              "bg\r\n\x83\x65\x83\x58\x83\x67\r\n");
}

TEST(Tr2ToolCodec, EncodeCheckRefusesADamagedStage) {
    ScratchDir dir;
    WriteFile(dir / "s.txt", StageWith({{6, "12"}}));
    const Result result =
        RunTool({"encode", "--check", (dir / "s.txt").string(), (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("2 characters instead of 200"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "s.tr2"));
}

TEST(Tr2ToolCodec, EncodeCheckNamesWholeFileProblemsWithoutALineNumber) {
    ScratchDir dir;
    WriteFile(dir / "s.txt", "bg\r\nName\r\n");
    const Result result =
        RunTool({"encode", "--check", (dir / "s.txt").string(), (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("s.txt: the text has 2 lines instead of 96"), std::string::npos)
        << result.err;
}

TEST(Tr2ToolCodec, EncodeOfAnEmptyOrMissingTextWritesNothing) {
    ScratchDir dir;
    WriteFile(dir / "empty.txt", "");
    EXPECT_EQ(RunTool({"encode", (dir / "empty.txt").string(), (dir / "s.tr2").string()}).code, 1);
    EXPECT_EQ(RunTool({"encode", (dir / "none.txt").string(), (dir / "s.tr2").string()}).code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "s.tr2"));
}

TEST(Tr2ToolCodec, EncodeOfATextLargerThanAnyStageWritesNothing) {
    ScratchDir dir;
    WriteFile(dir / "big.txt", "");
    std::filesystem::resize_file(dir / "big.txt", kMaxContainerFileBytes + 1);
    const Result result = RunTool({"encode", (dir / "big.txt").string(), (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("too large"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "s.tr2"));
}

TEST(Tr2ToolCodec, DecodeOfAMissingFileFailsWithTheContainersMessage) {
    ScratchDir dir;
    const Result result = RunTool({"decode", (dir / "none.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("ファイルが見つかりません: "), std::string::npos);
    EXPECT_EQ(result.out, "");
}

TEST(Tr2ToolInfo, SummaryShowsFieldsCountsAndMovingObjects) {
    ScratchDir dir;
    StageFields fields;
    fields.background = "sky.bmp";
    fields.stageName = "テスト";
    fields.startColumnIndex = 3;
    fields.startRowIndex = 5;
    fields.nextStage = "1-2";
    fields.map[0][0] = 6;   // lift
    fields.map[0][1] = 11;  // enemy
    fields.map[1][0] = 18;  // spike (down)
    fields.map[1][1] = 10;  // hidden block: not moving
    fields.map[2][0] = 19;  // goal 2: not moving
    WriteStage(dir / "s.tr2", WriteStageText(fields));
    const Result result = RunTool({"info", (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("stage name:          テスト"), std::string::npos);
    EXPECT_NE(result.out.find("background:          sky.bmp"), std::string::npos);
    EXPECT_NE(result.out.find("column 3, row 5 (pixels 48, 80)"), std::string::npos);
    EXPECT_NE(result.out.find("time limit:          150"), std::string::npos);
    EXPECT_NE(result.out.find("next stage (goal 1): 1-2"), std::string::npos);
    EXPECT_NE(result.out.find("next stage (goal 2): NONE"), std::string::npos);
    EXPECT_NE(result.out.find("moving objects:      3"), std::string::npos);
    const std::size_t empty = result.out.find(" empty ");
    ASSERT_NE(empty, std::string::npos);
    const std::size_t end = result.out.find('\n', empty);
    EXPECT_EQ(result.out.substr(end - 6, 6), " 11995");
}

TEST(Tr2ToolInfo, ControlCharactersOfTheStageAreNotPrinted) {
    ScratchDir dir;
    WriteStage(dir / "s.tr2", StageWith({{2, "\x1b]0;title\x07"}}));
    const Result result = RunTool({"info", (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out.find('\x1b'), std::string::npos);
    EXPECT_NE(result.out.find("stage name:          ?]0;title?"), std::string::npos);
}

TEST(Tr2ToolCheck, CleanStagesWithExistingNextStagesPass) {
    const Result result =
        RunTool({"check", Fixture("1-1.tr2").string(), Fixture("1-2.tr2").string()});
    EXPECT_EQ(result.code, 0) << result.out << result.err;
    EXPECT_NE(result.out.find("1-1.tr2: ok"), std::string::npos);
    EXPECT_NE(result.out.find("1-2.tr2: ok"), std::string::npos);
}

TEST(Tr2ToolCheck, ShortStageIsReported) {
    const Result result = RunTool({"check", Fixture("short.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find("lines instead of 96"), std::string::npos);
}

TEST(Tr2ToolCheck, BadCodesAndStartAreReported) {
    const Result result = RunTool({"check", Fixture("badcode.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find("badcode.tr2:8: map row 3: 1 cell with a code above 23"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("badcode.tr2:3: start column 250 lies outside"), std::string::npos);
    EXPECT_NE(result.out.find("badcode.tr2:5: time limit"), std::string::npos);
}

TEST(Tr2ToolCheck, NextStageWithoutAFileIsReported) {
    const Result result = RunTool({"check", Fixture("missingnext.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find(":96: next stage after goal 1 \"9-9\" names no file 9-9.tr2"),
              std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find(":66:"), std::string::npos) << "NONE needs no file";
}

TEST(Tr2ToolCheck, NextStagesOutsideTheFolderAreReportedWithTheirLines) {
    ScratchDir dir;
    WriteStage(dir / "x.tr2", StageWith({}));
    WriteStage(dir / "s.tr2", StageWith({{66, "../" + dir.path().filename().string() + "/x"},
                                         {96, std::string("x\0", 2)}}));
    const Result result = RunTool({"check", (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find("s.tr2:66: next stage after goal 2 \"../"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("s.tr2:96: next stage after goal 1 \"x?\" is not the name"),
              std::string::npos)
        << result.out;
}

TEST(Tr2ToolCheck, EscapeSequencesInNextStagesAreNotPrinted) {
    ScratchDir dir;
    WriteStage(dir / "s.tr2", StageWith({{66, "\x1b]0;title\a"}, {96, "\x1b[2J"}}));
    const Result result = RunTool({"check", (dir / "s.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out.find('\x1b'), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"?[2J\""), std::string::npos) << result.out;
}

TEST(Tr2ToolCheck, EveryFileIsCheckedEvenAfterAFailure) {
    ScratchDir dir;
    const Result result = RunTool({"check", (dir / "none.tr2").string(),
                                   Fixture("short.tr2").string(), Fixture("1-2.tr2").string()});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.out.find("none.tr2: cannot be read"), std::string::npos);
    EXPECT_NE(result.out.find("lines instead of 96"), std::string::npos);
    EXPECT_NE(result.out.find("1-2.tr2: ok"), std::string::npos);
}

#ifdef TR2TOOL_PROGRAM
int RunProgram(const std::string& arguments) {
    const std::string command =
        std::string("\"") + TR2TOOL_PROGRAM + "\" " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Tr2ToolProgram, ExitCodesReachTheShell) {
    EXPECT_EQ(RunProgram("--help"), 0);
    EXPECT_EQ(RunProgram("frobnicate"), 2);
    EXPECT_EQ(RunProgram("check \"" + Fixture("short.tr2").string() + "\""), 1);
    EXPECT_EQ(RunProgram("check \"" + Fixture("1-2.tr2").string() + "\""), 0);
}
#endif

}  // namespace
}  // namespace tarn
