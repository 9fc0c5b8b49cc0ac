// tr2tool check: every problem of each stage file, including next stages without a file.
#include "support/FileNames.h"
#include "support/StageText.h"
#include "support/UserText.h"
#include "tools/tr2tool/Arguments.h"
#include "tools/tr2tool/Commands.h"

namespace tarn::tr2tool {

namespace {

constexpr const char* kCheckHelp =
    "Usage: tr2tool check FILE.tr2...\n"
    "Reports every problem of each stage file: its line count, map rows of the wrong\n"
    "length or with characters that are no chip code, codes above 23, a start outside\n"
    "the map, a time limit that is no number, name and number lines longer than 255 bytes,\n"
    "a background or next stage that is no plain file name (the game reads pictures of its\n"
    "bmp folder and stages of the stage's own folder only), and next stages that name no\n"
    ".tr2 file in the same folder (\"NONE\" means no next stage). Prints 'FILE: ok' for a\n"
    "clean stage.\n"
    "Exit status: 0 when every stage is clean, 1 when any has a problem.\n"
    "\n"
    "  -h, --help  show this help\n";

void CheckNextStage(const std::filesystem::path& folder, const std::string& name, int line,
                    const char* goal, std::vector<StageProblem>& problems) {
    if (name == "NONE") {
        return;
    }
    if (name.empty()) {
        problems.push_back({line, std::string("next stage after ") + goal + " is empty"});
        return;
    }
    const std::string file = name + ".tr2";
    if (!IsPlainFileName(file)) {
        return;  // the stage text's own check has reported it
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(folder / file, error)) {
        problems.push_back({line, std::string("next stage after ") + goal + " \"" + Excerpt(name) +
                                      "\" names no file " + Excerpt(file) + " in the same folder"});
    }
}

// Problems of one file, or false when it could not be read at all.
bool CheckOneFile(const std::string& file, std::vector<StageProblem>& problems, std::ostream& err) {
    std::vector<std::uint8_t> plain;
    if (!LoadStage(file, plain, err)) {
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(plain.data()), plain.size());
    problems = CheckStageText(text);
    const GameStageText stage = ReadGameStage(text);
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    if (stage.lineCount >= kNextStage2Line) {
        CheckNextStage(folder, stage.NextStage2, kNextStage2Line, "goal 2", problems);
    }
    if (stage.lineCount >= kNextStageLine) {
        CheckNextStage(folder, stage.NextStage, kNextStageLine, "goal 1", problems);
    }
    return true;
}

}  // namespace

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto line = ParseCommandLine(args, {}, "check", err);
    if (!line) {
        return kExitUsage;
    }
    if (line->help) {
        out << kCheckHelp;
        return kExitOk;
    }
    if (line->operands.empty()) {
        ReportUsage("check", "expects at least one stage file", err);
        return kExitUsage;
    }
    bool anyProblem = false;
    for (const std::string& file : line->operands) {
        std::vector<StageProblem> problems;
        if (!CheckOneFile(file, problems, err)) {
            out << file << ": cannot be read\n";
            anyProblem = true;
            continue;
        }
        if (problems.empty()) {
            out << file << ": ok\n";
            continue;
        }
        anyProblem = true;
        PrintProblems(file, problems, out);
    }
    return anyProblem ? kExitFailed : kExitOk;
}

}  // namespace tarn::tr2tool
